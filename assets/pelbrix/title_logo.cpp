#include "assets/pelbrix/title_logo.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "assets/common/canvas.h"
#include "assets/common/glow.h"

namespace assets {
namespace {

constexpr int kWidth = 600, kHeight = 360;
const char* const kNameFont = "/usr/share/fonts/truetype/dejavu/DejaVuSans-BoldOblique.ttf";
const char* const kSubtitleFont = "/usr/share/fonts/truetype/dejavu/DejaVuSerif-BoldItalic.ttf";

// The text at the largest size up to `pixelSize` whose outlined ink fits `maxWidth` pixels.
bool Letter(const char* font, int pixelSize, const std::string& text, int outline, int maxWidth, Lettering& out) {
  return FitLettering(font, pixelSize, 12, text, outline, maxWidth, out);
}

// Where the lettering's rim goes for its ink to be centred on (x, y).
Point RimOrigin(const Lettering& l, float x, float y) {
  return {x - (l.ink.left + l.ink.right) / 2.0f, y - (l.ink.top + l.ink.bottom) / 2.0f};
}

void DrawGlow(platform::Image& image, const Lettering& l, Point origin, int radius, uint32_t color) {
  const int margin = radius * 2;
  platform::Image glow = BlurredMask(l.rim, radius, margin);
  FillMask(image, glow, origin.x - margin, origin.y - margin, Solid(color));
}

// A stave of five lines under the subtitle, fading out towards both ends: the sonata.
void DrawStave(platform::Image& image, float top, float spacing) {
  for (int line = 0; line < 5; ++line) {
    float y = top + line * spacing;
    Fill(image, Segment({40, y}, {kWidth - 40.0f, y}, 0.9f), [](float x, float) {
      float fromMiddle = std::fabs(x - kWidth / 2.0f) / (kWidth / 2.0f - 40);
      float fade = std::clamp(1.25f - fromMiddle * 1.25f, 0.0f, 1.0f);
      return uint32_t(fade * 200) << 24 | 0x9FC8FF;
    });
  }
}

// A four-pointed glint.
void DrawSparkle(platform::Image& image, Point c, float size, uint32_t color) {
  float s = size, t = size * 0.18f;
  Fill(image, Polygon({{c.x, c.y - s}, {c.x + t, c.y - t}, {c.x + s, c.y}, {c.x + t, c.y + t}, {c.x, c.y + s},
                       {c.x - t, c.y + t}, {c.x - s, c.y}, {c.x - t, c.y - t}}),
       color);
  Fill(image, Circle(c, size * 0.22f), 0xFFFFFFFF);
}

}  // namespace

bool RenderTitleLogo(platform::Image& out) {
  out = platform::Image(kWidth, kHeight, 0x00000000);

  // A faint nebula behind the lettering, so the logo sits in light rather than on bare black.
  Fill(out, Ellipse({300, 170}, 292, 150), [](float x, float y) {
    float u = (x - 300) / 292, v = (y - 170) / 150;
    float d = std::sqrt(u * u + v * v);
    float a = std::clamp(1 - d, 0.0f, 1.0f);
    return uint32_t(a * a * 110) << 24 | 0x1A2A8C;
  });

  Lettering name, subtitle;
  if (!Letter(kNameFont, 112, "VELQUIST", 5, 560, name)) return false;
  if (!Letter(kSubtitleFont, 84, "Sonata", 4, 420, subtitle)) return false;
  const Point nameOrigin = RimOrigin(name, 300, 128), subtitleOrigin = RimOrigin(subtitle, 318, 252);
  const float nameTop = nameOrigin.y + name.ink.top, nameBottom = nameOrigin.y + name.ink.bottom;
  const float subTop = subtitleOrigin.y + subtitle.ink.top, subBottom = subtitleOrigin.y + subtitle.ink.bottom;

  DrawStave(out, 226, 11);
  // A sweep of light under the name, like a wing's edge.
  Fill(out, Polygon({{30, nameBottom + 6}, {570, nameBottom - 10}, {560, nameBottom - 4}, {60, nameBottom + 12}}),
       [](float x, float) {
         float fade = std::clamp(1 - std::fabs(x - 300) / 270, 0.0f, 1.0f);
         return uint32_t(fade * 230) << 24 | 0x6FD8FF;
       });

  DrawGlow(out, name, nameOrigin, 14, 0xC02C7CFF);
  FillMask(out, name.rim, nameOrigin.x, nameOrigin.y, Solid(0xFF0A1240));
  FillMask(out, name.body, nameOrigin.x + name.outline, nameOrigin.y + name.outline, [=](float, float y) {
    // Chrome: white at the top, a bright horizon across the middle, deep blue below it.
    float t = (y - nameTop) / (nameBottom - nameTop);
    if (t < 0.48f) return MixColor(0xFFFFFFFF, 0xFFBFE8FF, t / 0.48f);
    if (t < 0.52f) return 0xFF3C74E0u;
    return MixColor(0xFF5AA0FF, 0xFFB8F0FF, (t - 0.52f) / 0.48f);
  });

  DrawGlow(out, subtitle, subtitleOrigin, 10, 0xB0FF4FA8);
  FillMask(out, subtitle.rim, subtitleOrigin.x, subtitleOrigin.y, Solid(0xFF3A0626));
  FillMask(out, subtitle.body, subtitleOrigin.x + subtitle.outline, subtitleOrigin.y + subtitle.outline,
           [=](float, float y) {
             float t = std::clamp((y - subTop) / (subBottom - subTop), 0.0f, 1.0f);
             return t < 0.5f ? MixColor(0xFFFFF4C0, 0xFFFFC040, t * 2) : MixColor(0xFFFFC040, 0xFFFF6A2A, t * 2 - 1);
           });

  DrawSparkle(out, {nameOrigin.x + name.ink.right - 6, nameTop + 4}, 16, 0xFFCFF2FF);
  DrawSparkle(out, {nameOrigin.x + name.ink.left + 22, nameBottom - 2}, 9, 0xFF9FDCFF);
  DrawSparkle(out, {subtitleOrigin.x + subtitle.ink.right + 14, subBottom - 14}, 11, 0xFFFFE0A0);
  return true;
}

}  // namespace assets
