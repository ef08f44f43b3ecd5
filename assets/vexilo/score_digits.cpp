#include "assets/vexilo/score_digits.h"

#include <string>

#include "assets/common/canvas.h"
#include "assets/vexilo/fonts.h"
#include "assets/vexilo/screen_layout.h"

namespace assets::vexilo {
namespace {

// Condensed at this size a digit is at most 19 pixels wide: the cells overlap, their
// centres only 20 pixels apart.
constexpr int kDigitPixels = 33;
constexpr uint32_t kGlyphTop = 0xFF27306A, kGlyphBottom = 0xFF121634;

}  // namespace

bool DrawScoreDigits(platform::Image& out) {
  out = platform::Image(kDigitCell, kDigitCell * kDigitCells, 0xFFFFFFFF);
  // All digits share the font's baseline, placed so that "0" is centred in its cell.
  float lift = 0;
  for (int d = 0; d <= 9; ++d) {
    platform::Image mask;
    if (!RenderTextMask(kCondensedBoldFont, kDigitPixels, std::to_string(d), 0, mask)) return false;
    InkBox ink = InkBounds(mask);
    if (d == 0) lift = kDigitCell / 2.0f - (ink.top + ink.bottom) / 2.0f;
    float x = kDigitCell / 2.0f - (ink.left + ink.right) / 2.0f, y = float(kDigitCell * d) + lift;
    FillMask(out, mask, x, y, VerticalGradient(y + ink.top, kGlyphTop, y + ink.bottom, kGlyphBottom));
  }
  float y = float(kDigitCell * kSeparatorCell);
  Shape heart = Heart({kDigitCell / 2.0f, y + kDigitCell / 2.0f}, 20);
  Fill(out, heart, VerticalGradient(y + 12, 0xFFE83A5C, y + 28, 0xFFA8102E));
  Fill(out, Ellipse({kDigitCell / 2.0f - 4, y + 16.5f}, 3, 2), 0xFFFFD0DA);
  return true;
}

}  // namespace assets::vexilo
