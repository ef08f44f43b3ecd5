#include "assets/quenmark/menu_words.h"

#include <algorithm>

#include "assets/quenmark/house_style.h"
#include "assets/quenmark/lettering.h"
#include "assets/quenmark/world_square.h"

namespace assets::quenmark {
namespace {

constexpr float kMenuSide = 120;     // units: scale 15
constexpr float kCapUnits = 18;      // both words' capitals, so that they read as one menu
constexpr float kMenuStretch = 1.25f;  // wide letters: "Start" near 90 units across while short
constexpr float kScreenFoot = 124;   // world y of the screen's lower edge

}  // namespace

bool RenderStartWord(int size, platform::Image& out) {
  out = platform::Image(size, size, 0);
  const WorldSquare square{0, 80, kMenuSide, size};
  TextLook look = DisplayLook(square.Pixels(kCapUnits));
  look.stretch = kMenuStretch;
  TextLine line;
  if (!FitLine(look, "Start", square.Pixels(104), square.Pixels(30), line)) return false;
  DrawCentred(out, line, look, square.ToPixel(0, 80));
  return true;
}

bool RenderQuitWord(int size, platform::Image& out) {
  out = platform::Image(size, size, 0);
  const WorldSquare square{0, 130, kMenuSide, size};
  TextLook look = DisplayLook(square.Pixels(kCapUnits));
  look.stretch = kMenuStretch;
  TextLine line;
  if (!SetLine(look, "quit", line)) return false;
  // The tail of the q ends a little above the screen's foot, leaving the most room between the
  // word and "Start" above it; the word centred across.
  const float inkBottom = square.PixelY(kScreenFoot - 2.5f);
  const float baseline = inkBottom - float(line.ink.bottom) + line.baseline;
  const float width = float(line.ink.right - line.ink.left);
  DrawOnBaseline(out, line, look, square.PixelX(0) - width / 2, baseline);
  return true;
}

bool RenderLoadingWord(int size, platform::Image& out) {
  out = platform::Image(size, size, 0);
  TextLook look = DisplayLook(float(size) * 0.09f);
  TextLine line;
  if (!FitLine(look, "Loading...", float(size) * 0.85f, float(size) * 0.3f, line)) return false;
  DrawCentred(out, line, look, {float(size) / 2, float(size) / 2});
  return true;
}

}  // namespace assets::quenmark
