#pragma once
#include <cstdint>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/render_device.h"

namespace platform {

class GlyphAtlas;
class TrueTypeFont;

// A rectangle of the back buffer in pixels: left and top inside, right and bottom just outside.
struct TextRect {
  int left = 0, top = 0, right = 0, bottom = 0;
};

enum class TextAlign { Left, Center };          // as DT_LEFT, DT_CENTER
enum class TextVerticalAlign { Top, Center };   // as DT_TOP, DT_VCENTER

// A font face at one pixel size that draws single lines of CP932 text on a device, as a
// Direct3D font would. Each glyph is drawn once by the rasteriser and kept in a texture of the
// device, so text that is drawn again every frame uploads nothing.
class TextFace {
 public:
  // The face a game names (CP932, see FontFileForFace) at Windows' font height: a positive
  // height is the cell height (ascent plus descent) in pixels, a negative one the character
  // (em) height. Null when the font or its glyph texture cannot be made. The face draws on
  // this device only and must not outlive it.
  static std::unique_ptr<TextFace> Open(RenderDevice& device, std::string_view faceNameCp932,
                                        int height);
  ~TextFace();
  TextFace(const TextFace&) = delete;
  TextFace& operator=(const TextFace&) = delete;

  int cellHeight() const;  // pixels of one line
  // The width of the line in pixels: the sum of its characters' advances.
  int Width(std::string_view textCp932);

  // Draws one line in the colour (0xAARRGGBB, blended by its alpha over what is there) into the
  // rectangle: from its left edge or centred (with the rounding of DrawText), at its top or
  // centred on its height. Nothing wraps, and text is not cut at the rectangle: what lies
  // outside still shows, inside the device's viewport. Control characters take no room. The
  // device's render state is as it was afterwards. False when some glyph could not be drawn.
  bool Draw(std::string_view textCp932, uint32_t argb, const TextRect& rect,
            TextAlign align = TextAlign::Left,
            TextVerticalAlign verticalAlign = TextVerticalAlign::Top);

 private:
  struct Glyph {
    int atlasX = 0, atlasY = 0, width = 0, height = 0;  // ink in the atlas; width 0: none
    int left = 0, top = 0;  // of the ink, from the pen and the cell's top
    int advance = 0;
  };

  TextFace(RenderDevice& device, std::unique_ptr<TrueTypeFont> font,
           std::unique_ptr<GlyphAtlas> atlas);
  // The glyphs of the text in order, rasterised and placed in the atlas where new; false when
  // some could not be (then those are left out).
  bool LayOut(std::string_view textCp932);
  const Glyph* Find(char32_t codePoint, bool& atlasFull);

  RenderDevice& device_;
  std::unique_ptr<TrueTypeFont> font_;
  std::unique_ptr<GlyphAtlas> atlas_;
  std::unordered_map<char32_t, Glyph> glyphs_;
  // Scratch, kept so that drawing the same lines again allocates nothing.
  std::vector<char32_t> codePoints_;
  std::vector<const Glyph*> line_;
  std::vector<ScreenVertex> vertices_;
};

}  // namespace platform
