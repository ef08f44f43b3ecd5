#include "assets/tiltwell/time_digits.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "assets/common/canvas.h"
#include "assets/tiltwell/fonts.h"

namespace assets::tiltwell {
namespace {

constexpr int kRim = 2;            // pixels of dark rim around every letter
constexpr int kInkHeight = 20;     // of a digit or capital, without its rim
constexpr int kRenderPixels = 28;  // the font size whose digits are about kInkHeight tall
constexpr int kTracking = 3;       // extra pixels between the label's letters
// A digit and its rim stay a pixel clear of its cell's sides: the game samples the texture
// between texels, and a neighbour's rim must not bleed in.
constexpr int kDigitBodyWidth = kTimeDigitWidth - 2 - 2 * kRim;
constexpr int kLabelBodyWidth = kTimeLabelWidth - 4 - 2 * kRim;
constexpr uint32_t kTop = 0xFFFFFFFF, kBottom = 0xFFFFD66A, kRimColour = 0xFF14161C;

// A glyph's coverage cut to its ink, kInkHeight tall.
bool Glyph(const std::string& text, platform::Image& out) {
  platform::Image mask;
  if (!RenderTextMask(kCondensedBoldFont, kRenderPixels, text, 0, mask)) return false;
  InkBox ink = InkBounds(mask);
  if (ink.right <= ink.left) return false;
  platform::Image cut(ink.right - ink.left, ink.bottom - ink.top);
  for (int y = 0; y < cut.height; ++y)
    for (int x = 0; x < cut.width; ++x) cut.at(x, y) = mask.at(ink.left + x, ink.top + y);
  int width = std::max(1, int(std::lround(cut.width * float(kInkHeight) / cut.height)));
  out = platform::ResizeImage(cut, width, kInkHeight);
  return true;
}

// The same glyph narrowed by `squeeze` (1 keeps it).
platform::Image Narrowed(const platform::Image& glyph, float squeeze) {
  return platform::ResizeImage(glyph, std::max(1, int(std::lround(glyph.width * squeeze))), glyph.height);
}

// Draws the glyph with its top-left at (x, y): first its rim (the coverage grown by kRim with a
// round pen), then the body in a light gradient.
void DrawGlyph(platform::Image& out, const platform::Image& glyph, int x, int y) {
  for (int py = -kRim; py < glyph.height + kRim; ++py)
    for (int px = -kRim; px < glyph.width + kRim; ++px) {
      float best = 0;
      for (int qy = std::max(0, py - kRim); qy <= std::min(glyph.height - 1, py + kRim); ++qy)
        for (int qx = std::max(0, px - kRim); qx <= std::min(glyph.width - 1, px + kRim); ++qx) {
          float reach = std::clamp(kRim + 0.5f - std::hypot(float(px - qx), float(py - qy)), 0.0f, 1.0f);
          best = std::max(best, reach * float(glyph.at(qx, qy) >> 24) / 255.0f);
        }
      BlendPixel(out, x + px, y + py, kRimColour, best);
    }
  for (int py = 0; py < glyph.height; ++py)
    for (int px = 0; px < glyph.width; ++px)
      BlendPixel(out, x + px, y + py, MixColor(kTop, kBottom, float(py) / (glyph.height - 1)),
                 float(glyph.at(px, py) >> 24) / 255.0f);
}

}  // namespace

bool RenderTimeDigits(platform::Image& out) {
  out = platform::Image(kTimeWidth, kTimeHeight, 0x00000000);
  const int top = (kTimeHeight - kInkHeight) / 2;
  // Every digit is narrowed alike, just enough for the widest to fit its cell.
  std::vector<platform::Image> digits(10);
  int widest = 0;
  for (int d = 0; d <= 9; ++d) {
    if (!Glyph(std::to_string(d), digits[size_t(d)])) return false;
    widest = std::max(widest, digits[size_t(d)].width);
  }
  const float digitSqueeze = std::min(1.0f, float(kDigitBodyWidth) / widest);
  for (int d = 0; d <= 9; ++d) {
    platform::Image digit = Narrowed(digits[size_t(d)], digitSqueeze);
    DrawGlyph(out, digit, kTimeDigitsLeft + kTimeDigitWidth * d + (kTimeDigitWidth - digit.width) / 2, top);
  }
  // The label letter by letter, spaced so that their rims do not run together.
  const std::string label = "TIME";
  std::vector<platform::Image> letters(label.size());
  int natural = kTracking * int(label.size() - 1);
  for (size_t i = 0; i < label.size(); ++i) {
    if (!Glyph(label.substr(i, 1), letters[i])) return false;
    natural += letters[i].width;
  }
  const float labelSqueeze = std::min(1.0f, float(kLabelBodyWidth - kTracking * int(label.size() - 1)) /
                                                float(natural - kTracking * int(label.size() - 1)));
  std::vector<platform::Image> narrowed;
  int width = kTracking * int(label.size() - 1);
  for (const platform::Image& letter : letters) {
    narrowed.push_back(Narrowed(letter, labelSqueeze));
    width += narrowed.back().width;
  }
  int x = (kTimeLabelWidth - width) / 2;
  for (const platform::Image& letter : narrowed) {
    DrawGlyph(out, letter, x, top);
    x += letter.width + kTracking;
  }
  return true;
}

}  // namespace assets::tiltwell
