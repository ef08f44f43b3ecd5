#include "pelbrix/bitmap_font.h"

BitmapFont::BitmapFont(platform::RenderDevice* device, const std::string& imagePath,
                       std::string_view table, float cw, float ch, float gw, float gh, float sx,
                       float sy)
    : texture(device, imagePath), cellWidth(cw), cellHeight(ch), glyphWidth(gw),
      glyphHeight(gh), shadowX(sx), shadowY(sy) {
  int columns = cellWidth > 0 ? int(1.0f / cellWidth) : 0;
  for (int c = 0; c < 256; ++c) u[c] = v[c] = -1.0f;
  if (columns <= 0) return;
  for (size_t i = 0; i < table.size(); ++i) {
    auto c = static_cast<unsigned char>(table[i]);
    u[c] = float(int(i) % columns) * cellWidth;
    v[c] = float(int(i) / columns) * cellHeight;
  }
}

void BitmapFont::DrawText(std::string_view text, float x, float y, uint32_t color) {
  float pen = x;
  for (char ch : text) {
    auto c = static_cast<unsigned char>(ch);
    if (u[c] >= 0 && v[c] >= 0)
      texture.Draw(pen, y, glyphWidth, glyphHeight, u[c], v[c], cellWidth, cellHeight, color);
    pen += glyphWidth;
  }
}

void BitmapFont::DrawShadowText(std::string_view text, float x, float y, uint32_t color,
                                uint32_t shadowColor) {
  DrawText(text, x + shadowX, y + shadowY, shadowColor);
  DrawText(text, x, y, color);
}
