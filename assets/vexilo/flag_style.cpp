#include "assets/vexilo/flag_style.h"

#include <cmath>
#include <vector>

namespace assets::vexilo {
namespace {

// Vermilion, blue, gold and bluish green: hues that stay apart under the common kinds of
// colour blindness, and gold and green also differ from the others in lightness.
const FlagStyle kStyles[4] = {
    {0xFFE8452C, 0xFFB02A18, 0xFFFDE1DA, 0xFFFFFFFF, Emblem::kDisc},
    {0xFF2A6FDB, 0xFF1A4A9E, 0xFFDDE8FB, 0xFFFFFFFF, Emblem::kStar},
    {0xFFFFC928, 0xFFD99A00, 0xFFFFF3CC, 0xFF8A4B00, Emblem::kDiamond},
    {0xFF12A37A, 0xFF0B7356, 0xFFD5F2E8, 0xFFFFFFFF, Emblem::kCross},
};

std::vector<Point> Star(Point c, float outer, float inner) {
  std::vector<Point> points;
  for (int i = 0; i < 10; ++i) {
    float angle = kPi * (i / 5.0f - 0.5f);
    float r = i % 2 ? inner : outer;
    points.push_back({c.x + r * std::cos(angle), c.y + r * std::sin(angle)});
  }
  return points;
}

}  // namespace

const FlagStyle& StyleOf(int flag) { return kStyles[(flag - 1) & 3]; }

void DrawEmblem(platform::Image& image, int flag, Point c, float size) {
  const FlagStyle& style = StyleOf(flag);
  float r = size / 2;
  switch (style.shape) {
    case Emblem::kDisc:
      Fill(image, Circle(c, r * 0.8f), style.emblem);
      break;
    case Emblem::kStar:
      Fill(image, Polygon(Star({c.x, c.y + r * 0.08f}, r, r * 0.42f)), style.emblem);
      break;
    case Emblem::kDiamond:
      Fill(image, Polygon({{c.x, c.y - r}, {c.x + r * 0.78f, c.y}, {c.x, c.y + r}, {c.x - r * 0.78f, c.y}}), style.emblem);
      break;
    case Emblem::kCross: {
      float arm = r * 0.3f;
      Fill(image, RoundedRect(c.x - arm, c.y - r * 0.85f, c.x + arm, c.y + r * 0.85f, arm * 0.3f), style.emblem);
      Fill(image, RoundedRect(c.x - r * 0.85f, c.y - arm, c.x + r * 0.85f, c.y + arm, arm * 0.3f), style.emblem);
      break;
    }
  }
}

}  // namespace assets::vexilo
