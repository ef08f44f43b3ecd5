#include "assets/quenmark/screen_mock.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "assets/quenmark/ascii_sheet.h"
#include "assets/quenmark/side_bar_layout.h"

namespace assets::quenmark {
namespace {

constexpr uint32_t kFieldColour = 0xFF7F0023;
constexpr float kVisibleHeight = 248.5f;  // world units from the screen's top to its foot

// The part of a picture a sprite shows, in texture coordinates 0..1.
struct Cell {
  float u0 = 0, v0 = 0, u1 = 1, v1 = 1;
};

Cell CharacterCell(char c) {
  const float step = 1.0f / kAsciiColumns;
  const int code = static_cast<unsigned char>(c);
  const float u = float(code % kAsciiColumns) * step, v = float(code / kAsciiColumns) * step;
  return {u, v, u + step, v + step};
}

struct Screen {
  platform::Image image;
  float pixelsPerUnit;
};

Screen BlankScreen(int width, int height) { return {platform::Image(width, height, kFieldColour), height / kVisibleHeight}; }

// Bilinear sample at texel coordinates (centres at +0.5), edges clamped; premultiplied.
void Sample(const platform::Image& t, float tx, float ty, float out[4]) {
  tx -= 0.5f, ty -= 0.5f;
  const int x0 = int(std::floor(tx)), y0 = int(std::floor(ty));
  const float fx = tx - float(x0), fy = ty - float(y0);
  for (int k = 0; k < 4; ++k) out[k] = 0;
  for (int j = 0; j < 2; ++j)
    for (int i = 0; i < 2; ++i) {
      const uint32_t p = t.at(std::clamp(x0 + i, 0, t.width - 1), std::clamp(y0 + j, 0, t.height - 1));
      const float w = (i ? fx : 1 - fx) * (j ? fy : 1 - fy), a = float(p >> 24) / 255.0f;
      out[0] += w * a;
      for (int k = 0; k < 3; ++k) out[k + 1] += w * a * float((p >> (16 - 8 * k)) & 255);
    }
}

// The picture (or a cell of it) on a square 8 x scale units on a side centred on (x, y).
// Several samples a pixel where the picture is shrunk, as mipmaps would.
void DrawSprite(Screen& s, const platform::Image& texture, float x, float y, float scale, Cell cell = {}) {
  const float side = 8 * scale, ppu = s.pixelsPerUnit;
  const float left = float(s.image.width) / 2 + (x - side / 2) * ppu, top = float(s.image.height) / 2 + (y - side / 2) * ppu;
  const float span = side * ppu;
  const float texelsPerPixel = (cell.u1 - cell.u0) * float(texture.width) / span;
  const int n = std::clamp(int(std::ceil(texelsPerPixel)), 1, 8);
  const int px0 = std::max(0, int(std::floor(left))), px1 = std::min(s.image.width, int(std::ceil(left + span)));
  const int py0 = std::max(0, int(std::floor(top))), py1 = std::min(s.image.height, int(std::ceil(top + span)));
  for (int py = py0; py < py1; ++py)
    for (int px = px0; px < px1; ++px) {
      float sum[4] = {0, 0, 0, 0}, sample[4];
      for (int sy = 0; sy < n; ++sy)
        for (int sx = 0; sx < n; ++sx) {
          const float u = (float(px) + (float(sx) + 0.5f) / float(n) - left) / span;
          const float v = (float(py) + (float(sy) + 0.5f) / float(n) - top) / span;
          if (u < 0 || v < 0 || u >= 1 || v >= 1) continue;
          Sample(texture, (cell.u0 + u * (cell.u1 - cell.u0)) * float(texture.width),
                 (cell.v0 + v * (cell.v1 - cell.v0)) * float(texture.height), sample);
          for (int k = 0; k < 4; ++k) sum[k] += sample[k];
        }
      const float alpha = sum[0] / float(n * n);
      if (alpha <= 0) continue;  // the alpha test
      uint32_t& d = s.image.at(px, py);
      uint32_t out = 0xFF000000u;
      for (int k = 0; k < 3; ++k) {
        const int shift = 16 - 8 * k;
        const float v = sum[k + 1] / float(n * n) + float((d >> shift) & 255) * (1 - alpha);
        out |= uint32_t(std::clamp(std::lround(v), 0L, 255L)) << shift;
      }
      d = out;
    }
}

void DrawText(Screen& s, const platform::Image& ascii, const std::string& text, const TextRow& row) {
  for (size_t i = 0; i < text.size(); ++i)
    if (text[i] != ' ')
      DrawSprite(s, ascii, row.x + row.step * float(i), row.y, row.size / 8, CharacterCell(text[i]));
}

void DrawPlay(Screen& s, const QuenmarkPictures& p) {
  const float shipX = -40, shipY = 78;
  // The player's fire: main shots up the middle, needles from the wing tips.
  for (float y = shipY - 22; y > -124; y -= 20) DrawSprite(s, p.shot, shipX, y, 0.5f);
  for (float y = shipY - 30; y > -124; y -= 26) {
    DrawSprite(s, p.needle, shipX - 11, y, 0.5f);
    DrawSprite(s, p.needle, shipX + 11, y, 0.5f);
  }
  const struct {
    float x, y;
  } enemies[] = {{-40, -78}, {-120, -40}, {10, -30}, {-175, -95}, {40, -100}};
  for (const auto& e : enemies) DrawSprite(s, p.enemy, e.x, e.y, 2);
  // An explosion growing where an enemy was hit.
  DrawSprite(s, p.shot, -130, 10, 7);
  // A ring of bullets round the first enemy and a spray from the third.
  for (int i = 0; i < 16; ++i) {
    const float angle = 2 * 3.14159265f * float(i) / 16;
    DrawSprite(s, p.enemyBullet, -40 + 40 * std::cos(angle), -78 + 40 * std::sin(angle), 1.5f);
  }
  for (int i = 0; i < 7; ++i) {
    const float angle = 1.9f + 0.13f * float(i), reach = 30 + 9 * float(i);
    DrawSprite(s, p.enemyBullet, 10 + reach * std::cos(angle), -30 + reach * std::sin(angle), 1.5f);
  }
  DrawSprite(s, p.enemyBullet, shipX + 15, shipY - 6, 1.5f);
  DrawSprite(s, p.ship, shipX, shipY, 3);
  DrawSprite(s, p.hitMarker, shipX, shipY, 1);
}

void DrawSideBar(Screen& s, const QuenmarkPictures& p) {
  DrawSprite(s, p.sideBar, kSideBarX, kSideBarY, kSideBarSide / 8);
  DrawText(s, p.ascii, "001250000", kHiScoreRow);
  DrawText(s, p.ascii, "000384720", kScoreRow);
  for (int i = 0; i < kLifeRow.characters; ++i)
    DrawSprite(s, p.lifeStone, kLifeRow.x + kLifeRow.step * float(i), kLifeRow.y, kLifeRow.size / 8);
  DrawText(s, p.ascii, "2.5", kPowerRow);
}

}  // namespace

platform::Image OnPlayField(const platform::Image& picture, int size) {
  // A sprite of scale 1 (8 units) filling the square.
  Screen s{platform::Image(size, size, kFieldColour), float(size) / 8};
  DrawSprite(s, picture, 0, 0, 1);
  return s.image;
}

platform::Image MockTitleScreen(const QuenmarkPictures& p, int width, int height) {
  Screen s = BlankScreen(width, height);
  DrawSprite(s, p.title, 0, 30, 40);
  DrawSprite(s, p.start, 0, 80, 15);
  DrawSprite(s, p.quit, 0, 130, 15);
  return s.image;
}

platform::Image MockPlayScreen(const QuenmarkPictures& p, int width, int height) {
  Screen s = BlankScreen(width, height);
  DrawPlay(s, p);
  DrawSideBar(s, p);
  return s.image;
}

platform::Image MockResultScreen(const QuenmarkPictures& p, int width, int height) {
  Screen s = BlankScreen(width, height);
  DrawPlay(s, p);
  DrawSideBar(s, p);
  DrawSprite(s, p.result, 0, 30, 40);
  DrawText(s, p.ascii, "000384720", {-20, 0, 8.25f, 12, 9});
  return s.image;
}

}  // namespace assets::quenmark
