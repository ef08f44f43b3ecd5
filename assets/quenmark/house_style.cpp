#include "assets/quenmark/house_style.h"

#include <algorithm>
#include <cmath>

#include "assets/quenmark/colour.h"
#include "assets/quenmark/fonts.h"

namespace assets::quenmark {

TextLook DisplayLook(float capPixels) {
  TextLook look;
  look.font = kDisplayFont;
  look.stretch = 1.15f;
  look.pixelSize = PixelSizeForCapHeight(look.font, capPixels);
  look.top = 0xFFFFFFFF;
  look.bottom = kGold;
  look.outline = std::max(1, int(std::lround(capPixels * 0.08f)));
  look.outlineColor = kInk;
  look.glowRadius = std::max(2, int(std::lround(capPixels * 0.2f)));
  look.glowColor = 0x90000000;
  return look;
}

TextLook LabelLook(float capPixels) {
  TextLook look;
  look.font = kBoldFont;
  look.pixelSize = PixelSizeForCapHeight(look.font, capPixels);
  look.top = 0xFFFFF0C8;
  look.bottom = 0xFFE8A848;
  look.outline = std::max(1, int(std::lround(capPixels * 0.09f)));
  look.outlineColor = 0xFF05060E;
  return look;
}

void DrawRule(platform::Image& image, Point from, Point to, float thickness) {
  const float length = std::fabs(to.x - from.x);
  Fill(image, Segment(from, to, thickness / 2), [=](float x, float) {
    float t = std::clamp(std::fabs(x - from.x) / length, 0.0f, 1.0f);
    return WithAlpha(MixColor(kGoldLight, kGold, t), 1 - t * t);
  });
  const float r = thickness * 2.4f;
  const Shape diamond = Polygon({{from.x, from.y - r}, {from.x + r, from.y}, {from.x, from.y + r}, {from.x - r, from.y}});
  Fill(image, Grown(diamond, 1.5f), kInk);
  Fill(image, diamond, kGoldLight);
}

}  // namespace assets::quenmark
