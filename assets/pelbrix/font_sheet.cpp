#include "assets/pelbrix/font_sheet.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cstring>

#include "pelbrix/game/font_table.h"

namespace assets {
namespace {

constexpr int kCellWidth = 16, kCellHeight = 32, kColumns = 16, kRows = 8;
// A monospaced bold face: every glyph takes the same advance, as the font draws them.
const char* const kFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf";
constexpr int kPixelSize = 23;  // an advance of 14 pixels in a 16-pixel cell

// Alpha of the glyph at (x, y) of a rendered surface, 0 outside it.
uint8_t AlphaAt(const SDL_Surface* s, int x, int y) {
  if (x < 0 || y < 0 || x >= s->w || y >= s->h) return 0;
  const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(s->pixels) + y * s->pitch);
  return uint8_t(row[x] >> 24);
}

}  // namespace

bool RenderFontSheet(platform::Image& out) {
  if (TTF_WasInit() == 0 && TTF_Init() != 0) return false;
  TTF_Font* font = TTF_OpenFont(kFontFile, kPixelSize);
  if (!font) return false;
  out = platform::Image(kCellWidth * kColumns, kCellHeight * kRows, 0x00FFFFFF);
  const SDL_Color white{255, 255, 255, 255};
  int top = (kCellHeight - TTF_FontHeight(font)) / 2;
  size_t count = std::strlen(kFontTable);
  for (size_t i = 0; i < count; ++i) {
    SDL_Surface* rendered = TTF_RenderGlyph32_Blended(font, Uint32(uint8_t(kFontTable[i])), white);
    if (!rendered) continue;
    SDL_Surface* glyph = SDL_ConvertSurfaceFormat(rendered, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(rendered);
    if (!glyph) continue;
    int cellX = int(i % kColumns) * kCellWidth, cellY = int(i / kColumns) * kCellHeight;
    int left = (kCellWidth - glyph->w) / 2;
    SDL_LockSurface(glyph);
    for (int y = 0; y < kCellHeight; ++y)
      for (int x = 0; x < kCellWidth; ++x) {
        int gx = x - left, gy = y - top;
        float ink = AlphaAt(glyph, gx, gy) / 255.0f;
        // A dark one-pixel rim keeps the letters readable over anything the game draws.
        uint8_t rim = 0;
        for (int dy = -1; dy <= 1; ++dy)
          for (int dx = -1; dx <= 1; ++dx) rim = std::max(rim, AlphaAt(glyph, gx + dx, gy + dy));
        float edge = rim / 255.0f * 0.7f;
        float alpha = ink + edge * (1 - ink);
        if (alpha <= 0) continue;
        auto grey = uint32_t(255 * ink / alpha + 0.5f);
        out.at(cellX + x, cellY + y) = uint32_t(alpha * 255 + 0.5f) << 24 | grey << 16 | grey << 8 | grey;
      }
    SDL_UnlockSurface(glyph);
    SDL_FreeSurface(glyph);
  }
  TTF_CloseFont(font);
  return true;
}

}  // namespace assets
