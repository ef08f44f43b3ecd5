#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "pelbrix/texture.h"

// Single-line text from one picture whose glyphs sit in a grid of equal cells. The character
// table names the character in each cell, row by row. Every glyph is one quad with a fixed
// advance; characters without a cell leave a blank of one advance.
class BitmapFont {
 public:
  // cell sizes in texture coordinates; glyph size and shadow offset in pixels. A character
  // that is twice in the table takes its last cell.
  BitmapFont(platform::RenderDevice* device, const std::string& imagePath, std::string_view table,
             float cellWidth, float cellHeight, float glyphWidth, float glyphHeight,
             float shadowX, float shadowY);

  // The first glyph's top-left at (x, y) in screen pixels, tinted by colour (0xAARRGGBB). No
  // kerning, no line breaks: a line feed is a blank advance too.
  void DrawText(std::string_view text, float x, float y, uint32_t color);
  // The text in the shadow colour at the shadow offset, then the text itself over it.
  void DrawShadowText(std::string_view text, float x, float y, uint32_t color, uint32_t shadowColor);

  Texture texture;
  float u[256];  // -1 for characters without a cell
  float v[256];
  float cellWidth, cellHeight;
  float glyphWidth, glyphHeight;
  float shadowX, shadowY;
};
