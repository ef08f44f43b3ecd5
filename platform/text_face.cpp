#include "platform/text_face.h"

#include <algorithm>

#include "platform/font_files.h"
#include "platform/glyph_atlas.h"
#include "platform/text_encoding.h"
#include "platform/truetype_font.h"

namespace platform {
namespace {

// CP932 to code points. Lines of plain ASCII (frame counters, version lines) skip the
// converter and its round trip through UTF-8.
void DecodeCp932(std::string_view text, std::vector<char32_t>& out) {
  out.clear();
  if (std::all_of(text.begin(), text.end(), [](char c) { return (unsigned char)c < 0x80; })) {
    for (char c : text) out.push_back(char32_t(c));
    return;
  }
  // The converter's output is always valid UTF-8.
  std::string utf8 = Utf8FromCp932(text);
  for (size_t i = 0; i < utf8.size();) {
    unsigned char lead = utf8[i];
    int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t c = length == 1 ? lead : length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
    for (int k = 1; k < length && i + k < utf8.size(); ++k) c = c << 6 | (utf8[i + k] & 0x3F);
    out.push_back(c);
    i += length;
  }
}

// The glyph texture holds at least a 16 x 16 grid of cells; 256 texels square for the 12-pixel
// faces of the games.
int AtlasSide(int cellHeight) {
  return std::min(2048, std::max(256, NextPowerOfTwo(cellHeight * 16)));
}

}  // namespace

std::unique_ptr<TextFace> TextFace::Open(RenderDevice& device, std::string_view faceNameCp932,
                                         int height) {
  auto font = TrueTypeFont::Open(FontFileForFace(faceNameCp932), height);
  if (!font) return nullptr;
  auto atlas = GlyphAtlas::Create(device, AtlasSide(font->cellHeight()));
  if (!atlas) return nullptr;
  return std::unique_ptr<TextFace>(new TextFace(device, std::move(font), std::move(atlas)));
}

TextFace::TextFace(RenderDevice& device, std::unique_ptr<TrueTypeFont> font,
                   std::unique_ptr<GlyphAtlas> atlas)
    : device_(device), font_(std::move(font)), atlas_(std::move(atlas)) {}

TextFace::~TextFace() = default;

int TextFace::cellHeight() const { return font_->cellHeight(); }

const TextFace::Glyph* TextFace::Find(char32_t codePoint, bool& atlasFull) {
  auto found = glyphs_.find(codePoint);
  if (found != glyphs_.end()) return &found->second;
  GlyphBitmap bitmap;
  if (!font_->Render(codePoint, bitmap)) return nullptr;
  GlyphAtlas::Slot slot;
  if (!atlas_->Add(bitmap.ink, slot)) {
    atlasFull = true;
    return nullptr;
  }
  Glyph glyph{slot.x, slot.y, slot.width, slot.height, bitmap.left, bitmap.top, bitmap.advance};
  return &glyphs_.emplace(codePoint, glyph).first->second;
}

bool TextFace::LayOut(std::string_view textCp932) {
  DecodeCp932(textCp932, codePoints_);
  bool ok = true;
  for (int attempt = 0; attempt < 2; ++attempt) {
    line_.clear();
    ok = true;
    bool atlasFull = false;
    for (char32_t c : codePoints_) {
      if (c < 0x20 || c == 0x7F) continue;
      const Glyph* glyph = Find(c, atlasFull);
      if (atlasFull) break;
      if (glyph)
        line_.push_back(glyph);
      else
        ok = false;
    }
    if (!atlasFull) break;
    // The texture is full: start it over with this line's glyphs. Lines drawn before keep the
    // texels they were drawn with, as the device draws in call order.
    ok = false;
    if (attempt == 0) {
      glyphs_.clear();
      atlas_->Clear();
    }
  }
  // A line with more different characters than the texture holds keeps those that fit.
  return atlas_->Upload() && ok;
}

int TextFace::Width(std::string_view textCp932) {
  LayOut(textCp932);
  int width = 0;
  for (const Glyph* glyph : line_) width += glyph->advance;
  return width;
}

bool TextFace::Draw(std::string_view textCp932, uint32_t argb, const TextRect& rect,
                    TextAlign align, TextVerticalAlign verticalAlign) {
  bool ok = LayOut(textCp932);
  int width = 0;
  for (const Glyph* glyph : line_) width += glyph->advance;
  // DrawText's centring: integer halves, the odd pixel going to the right and the bottom.
  int penX = align == TextAlign::Center ? (rect.left + rect.right - width) / 2 : rect.left;
  int top = verticalAlign == TextVerticalAlign::Center
                ? rect.top + (rect.bottom - rect.top - font_->cellHeight()) / 2
                : rect.top;

  const float texel = 1.0f / float(atlas_->side());
  vertices_.clear();
  for (const Glyph* glyph : line_) {
    if (glyph->width > 0) {
      float x0 = float(penX + glyph->left), y0 = float(top + glyph->top);
      float x1 = x0 + float(glyph->width), y1 = y0 + float(glyph->height);
      float u0 = float(glyph->atlasX) * texel, v0 = float(glyph->atlasY) * texel;
      float u1 = float(glyph->atlasX + glyph->width) * texel;
      float v1 = float(glyph->atlasY + glyph->height) * texel;
      const ScreenVertex corners[6] = {
          {x0, y0, 0, 1, argb, u0, v0}, {x1, y0, 0, 1, argb, u1, v0}, {x0, y1, 0, 1, argb, u0, v1},
          {x1, y0, 0, 1, argb, u1, v0}, {x1, y1, 0, 1, argb, u1, v1}, {x0, y1, 0, 1, argb, u0, v1}};
      vertices_.insert(vertices_.end(), corners, corners + 6);
    }
    penX += glyph->advance;
  }
  if (vertices_.empty()) return ok;

  // Text is drawn over everything, blended by its coverage times the colour's alpha, texel for
  // pixel; the game's own states come back afterwards.
  const RenderState saved = device_.state;
  RenderState& s = device_.state;
  s.blendEnabled = true;
  s.srcBlend = BlendFactor::SrcAlpha;
  s.destBlend = BlendFactor::InvSrcAlpha;
  s.alphaTestEnabled = false;
  s.depthTest = false;
  s.depthWrite = false;
  s.cull = CullMode::None;
  s.texture = &atlas_->texture();
  s.colorOp = TextureOp::Modulate;
  s.alphaOp = TextureOp::Modulate;
  s.minFilter = s.magFilter = TextureFilter::Point;
  s.mipFilter = TextureFilter::None;
  device_.DrawScreenPrimitive(PrimitiveType::TriangleList, vertices_.data(), int(vertices_.size()));
  device_.state = saved;
  return ok;
}

}  // namespace platform
