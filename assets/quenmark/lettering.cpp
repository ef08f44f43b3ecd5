#include "assets/quenmark/lettering.h"

#include <algorithm>
#include <cmath>

#include "assets/common/glow.h"

namespace assets::quenmark {
namespace {

// Text is rendered at twice its size and brought down, which also lets it be widened cleanly.
constexpr int kOversample = 2;

bool RenderScaled(const std::string& font, int pixelSize, float stretch, const std::string& text,
                  platform::Image& mask) {
  platform::Image big;
  if (!RenderTextMask(font, pixelSize * kOversample, text, 0, big)) return false;
  int width = std::max(1, int(std::lround(big.width * stretch / kOversample)));
  int height = std::max(1, big.height / kOversample);
  mask = platform::ResizeImage(big, width, height);
  return true;
}

// The mask grown by `radius` pixels on every side, with a round, smoothed edge.
platform::Image Dilated(const platform::Image& mask, int radius) {
  if (radius == 0) return mask;
  platform::Image out(mask.width + 2 * radius, mask.height + 2 * radius, 0x00FFFFFF);
  for (int y = 0; y < out.height; ++y)
    for (int x = 0; x < out.width; ++x) {
      float best = 0;
      for (int dy = -radius; dy <= radius && best < 1; ++dy)
        for (int dx = -radius; dx <= radius; ++dx) {
          int mx = x - radius + dx, my = y - radius + dy;
          if (mx < 0 || my < 0 || mx >= mask.width || my >= mask.height) continue;
          float reach = std::clamp(radius + 0.5f - std::sqrt(float(dx * dx + dy * dy)), 0.0f, 1.0f);
          best = std::max(best, (mask.at(mx, my) >> 24) / 255.0f * reach);
        }
      out.at(x, y) = uint32_t(std::lround(best * 255)) << 24 | 0x00FFFFFFu;
    }
  return out;
}

}  // namespace

bool SetLine(const TextLook& look, const std::string& text, TextLine& out) {
  platform::Image capital;
  if (!RenderScaled(look.font, look.pixelSize, look.stretch, text, out.body)) return false;
  // Every line of one font and size is rendered at the same height with its baseline on the
  // same row, so a capital rendered alone tells where the capitals stand.
  if (!RenderScaled(look.font, look.pixelSize, look.stretch, "H", capital)) return false;
  InkBox h = InkBounds(capital);
  out.outline = look.outline;
  out.rim = Dilated(out.body, look.outline);
  out.ink = InkBounds(out.rim);
  out.capTop = float(h.top + look.outline);
  out.baseline = float(h.bottom + look.outline);
  return true;
}

bool FitLine(TextLook& look, const std::string& text, float maxWidth, float maxHeight, TextLine& out) {
  for (;;) {
    if (!SetLine(look, text, out)) return false;
    float width = float(out.ink.right - out.ink.left), height = float(out.ink.bottom - out.ink.top);
    if ((width <= maxWidth && height <= maxHeight) || look.pixelSize <= 6) return true;
    float shrink = std::min(maxWidth / width, maxHeight / height);
    look.pixelSize = std::max(6, std::min(look.pixelSize - 1, int(look.pixelSize * shrink)));
  }
}

int PixelSizeForCapHeight(const std::string& font, float capPixels) {
  constexpr int kProbe = 100;
  platform::Image capital;
  if (!RenderTextMask(font, kProbe, "H", 0, capital)) return int(capPixels);
  InkBox h = InkBounds(capital);
  return std::max(6, int(std::lround(capPixels * kProbe / float(h.bottom - h.top))));
}

void DrawOnBaseline(platform::Image& image, const TextLine& line, const TextLook& look, float left, float baseline) {
  const float ox = std::round(left - line.ink.left), oy = std::round(baseline - line.baseline);
  if (look.glowRadius > 0) {
    const int margin = 2 * look.glowRadius;
    platform::Image glow = BlurredMask(line.rim, look.glowRadius, margin);
    FillMask(image, glow, ox - margin, oy - margin, Solid(look.glowColor));
  }
  if (line.outline > 0) FillMask(image, line.rim, ox, oy, Solid(look.outlineColor));
  FillMask(image, line.body, ox + line.outline, oy + line.outline,
           VerticalGradient(oy + line.capTop, look.top, oy + line.baseline, look.bottom));
}

void DrawCentred(platform::Image& image, const TextLine& line, const TextLook& look, Point centre) {
  float width = float(line.ink.right - line.ink.left), height = float(line.ink.bottom - line.ink.top);
  float top = centre.y - height / 2;
  DrawOnBaseline(image, line, look, centre.x - width / 2, top + (line.baseline - line.ink.top));
}

}  // namespace assets::quenmark
