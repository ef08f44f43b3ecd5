#include "assets/quenmark/title_picture.h"

#include <cmath>

#include "assets/common/canvas.h"
#include "assets/quenmark/colour.h"
#include "assets/quenmark/house_style.h"
#include "assets/quenmark/lettering.h"
#include "assets/quenmark/world_square.h"

namespace assets::quenmark {
namespace {

constexpr float kNameY = -50, kVersionY = -10;  // world units

// A dark haze behind the name, and a streak of light through it.
void DrawBackdrop(platform::Image& out, const WorldSquare& square) {
  const Point c = square.ToPixel(0, -36);
  const float rx = square.Pixels(150), ry = square.Pixels(64);
  Fill(out, Ellipse(c, rx, ry), [=](float x, float y) {
    float u = (x - c.x) / rx, v = (y - c.y) / ry;
    float r = std::sqrt(u * u + v * v);
    return WithAlpha(0xFF12000A, 0.55f * (1 - SmoothStep(0.35f, 1.0f, r)));
  });
  const Point streak = square.ToPixel(0, kNameY + 4);
  const float sx = square.Pixels(155), sy = square.Pixels(1.6f);
  Fill(out, Ellipse(streak, sx, sy * 3), [=](float x, float y) {
    float u = (x - streak.x) / sx, v = (y - streak.y) / sy;
    return WithAlpha(0xFFFF9A50, 0.7f * std::exp(-v * v) * (1 - SmoothStep(0.0f, 1.0f, std::fabs(u))));
  });
}

}  // namespace

bool RenderTitlePicture(int size, platform::Image& out) {
  out = platform::Image(size, size, 0);
  const WorldSquare square{0, 30, 320, size};
  DrawBackdrop(out, square);

  TextLook name = DisplayLook(square.Pixels(40));
  name.glowRadius = int(square.Pixels(6));
  name.glowColor = 0xB0FF4A18;
  TextLine line;
  if (!FitLine(name, "Quivane", square.Pixels(270), square.Pixels(66), line)) return false;
  DrawCentred(out, line, name, square.ToPixel(0, kNameY));

  TextLook version = LabelLook(square.Pixels(8));
  version.top = 0xFFFFFFFF;
  version.bottom = 0xFFFFD0D8;
  version.outline = int(square.Pixels(0.9f));
  version.outlineColor = 0xFF14040E;
  if (!SetLine(version, "Ver 0.75 F", line)) return false;
  const Point at = square.ToPixel(0, kVersionY);
  DrawCentred(out, line, version, at);
  // Gold rules either side of the version, from just beside it out towards the edges.
  const float half = float(line.ink.right - line.ink.left) / 2 + square.Pixels(7);
  const float reach = square.Pixels(120), thickness = square.Pixels(0.9f);
  DrawRule(out, {at.x - half, at.y}, {at.x - reach, at.y}, thickness);
  DrawRule(out, {at.x + half, at.y}, {at.x + reach, at.y}, thickness);
  return true;
}

}  // namespace assets::quenmark
