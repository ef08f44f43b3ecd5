#include "platform/truetype_font.h"

#include <SDL_ttf.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace platform {
namespace {

// What a height of 0 asks Windows' font mapper for: 12 points at 96 dots per inch.
constexpr int kDefaultCellHeight = 16;
// Bigger faces would not fit the glyph cache; no game asks for more than a few dozen pixels.
constexpr int kMaxPixelHeight = 512;

}  // namespace

struct TrueTypeFont::Handle {
  TTF_Font* font = nullptr;
  ~Handle() {
    if (font) TTF_CloseFont(font);
    TTF_Quit();  // SDL_ttf counts its users: this undoes the Init of Open
  }
};

TrueTypeFont::TrueTypeFont(std::unique_ptr<Handle> handle) : handle_(std::move(handle)) {
  cellHeight_ = TTF_FontAscent(handle_->font) - TTF_FontDescent(handle_->font);
  ascent_ = TTF_FontAscent(handle_->font);
}

TrueTypeFont::~TrueTypeFont() = default;

std::unique_ptr<TrueTypeFont> TrueTypeFont::Open(const std::string& hostPath, int windowsHeight) {
  if (windowsHeight == INT_MIN) return nullptr;
  int height = windowsHeight == 0 ? kDefaultCellHeight : std::abs(windowsHeight);
  if (height > kMaxPixelHeight) return nullptr;
  if (TTF_Init() != 0) return nullptr;
  auto handle = std::make_unique<Handle>();
  // SDL_ttf's point size at 72 dpi is the em height in pixels.
  handle->font = TTF_OpenFont(hostPath.c_str(), height);
  if (!handle->font) return nullptr;
  if (windowsHeight >= 0) {
    // A cell height: the em whose ascent plus descent comes nearest the height asked for (the
    // rasteriser rounds ascent and descent apart, so the proportional guess may be one off).
    auto cellAt = [&](int em) {
      if (TTF_SetFontSize(handle->font, em) != 0) return -1;
      return TTF_FontAscent(handle->font) - TTF_FontDescent(handle->font);
    };
    int cell = cellAt(height);
    if (cell <= 0) return nullptr;
    int guess = std::max(1, int(std::lround(double(height) * height / cell)));
    int best = guess, bestMiss = INT_MAX;
    for (int em = std::max(1, guess - 1); em <= guess + 1; ++em) {
      int c = cellAt(em);
      if (c <= 0) continue;
      // Nearest first; of two as near, the one that does not overflow the cell.
      int miss = 2 * std::abs(c - height) + (c > height ? 1 : 0);
      if (miss < bestMiss) {
        bestMiss = miss;
        best = em;
      }
    }
    if (bestMiss == INT_MAX || cellAt(best) <= 0) return nullptr;
  }
  TTF_SetFontKerning(handle->font, 0);
  return std::unique_ptr<TrueTypeFont>(new TrueTypeFont(std::move(handle)));
}

bool TrueTypeFont::HasGlyph(char32_t codePoint) const {
  return TTF_GlyphIsProvided32(handle_->font, Uint32(codePoint)) != 0;
}

bool TrueTypeFont::Render(char32_t codePoint, GlyphBitmap& out) const {
  int minX = 0, maxX = 0, minY = 0, maxY = 0, advance = 0;
  if (TTF_GlyphMetrics32(handle_->font, Uint32(codePoint), &minX, &maxX, &minY, &maxY, &advance) != 0)
    return false;
  out = GlyphBitmap{};
  out.advance = advance;
  SDL_Surface* surface =
      TTF_RenderGlyph32_Blended(handle_->font, Uint32(codePoint), SDL_Color{255, 255, 255, 255});
  // A glyph without ink (a space) gives no surface at all, which is no failure.
  if (!surface) return maxX <= minX || maxY <= minY;
  bool ok = surface->format->format == SDL_PIXELFORMAT_ARGB8888 && SDL_LockSurface(surface) == 0;
  if (ok) {
    auto row = [&](int y) {
      return reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(surface->pixels) +
                                               size_t(y) * surface->pitch);
    };
    int left = surface->w, right = -1, top = surface->h, bottom = -1;
    for (int y = 0; y < surface->h; ++y)
      for (int x = 0; x < surface->w; ++x)
        if (row(y)[x] >> 24) {
          left = std::min(left, x);
          right = std::max(right, x);
          top = std::min(top, y);
          bottom = std::max(bottom, y);
        }
    if (right >= left) {
      out.ink = Image(right - left + 1, bottom - top + 1);
      for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
          out.ink.at(x - left, y - top) = (row(y)[x] & 0xFF000000u) | 0x00FFFFFFu;
      // SDL_ttf puts the baseline at the ascent and starts the surface at the pen, or at the
      // ink's left edge when that lies left of the pen.
      out.left = std::min(0, minX) + left;
      out.top = top;
    }
    SDL_UnlockSurface(surface);
  }
  SDL_FreeSurface(surface);
  return ok;
}

}  // namespace platform
