#pragma once
#include <memory>
#include <string>

#include "platform/image.h"

namespace platform {

// One glyph as the rasteriser drew it: its ink and where that goes relative to the pen.
struct GlyphBitmap {
  // Coverage in the alpha channel over white (0x00FFFFFF | coverage << 24), cropped to the
  // ink; empty for a glyph without ink (a space).
  Image ink;
  int left = 0;     // pixels from the pen position to the ink's left column
  int top = 0;      // pixels from the top of the cell to the ink's top row
  int advance = 0;  // pixels the pen moves on
};

// A TrueType face opened at one pixel size, anti-aliased, without kerning (as GDI's DrawText).
class TrueTypeFont {
 public:
  // The height follows Windows' font height: a positive one is the cell height (ascent plus
  // descent) in pixels, a negative one the character (em) height, 0 the default size. Null
  // when the file cannot be opened as a font or the size is beyond what the layer draws.
  static std::unique_ptr<TrueTypeFont> Open(const std::string& hostPath, int windowsHeight);
  ~TrueTypeFont();
  TrueTypeFont(const TrueTypeFont&) = delete;
  TrueTypeFont& operator=(const TrueTypeFont&) = delete;

  int cellHeight() const { return cellHeight_; }  // ascent plus descent, pixels
  int ascent() const { return ascent_; }          // pixels from the cell's top to the baseline

  bool HasGlyph(char32_t codePoint) const;
  // False when the rasteriser fails; a character the face lacks still draws its missing-glyph
  // box, as Windows would show it.
  bool Render(char32_t codePoint, GlyphBitmap& out) const;

 private:
  struct Handle;
  explicit TrueTypeFont(std::unique_ptr<Handle> handle);
  std::unique_ptr<Handle> handle_;
  int cellHeight_ = 0;
  int ascent_ = 0;
};

}  // namespace platform
