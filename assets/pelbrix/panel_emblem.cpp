#include "assets/pelbrix/panel_emblem.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "assets/common/canvas.h"

namespace assets {
namespace {

// The emblem is drawn on a 160-unit square and scaled to the size asked for.
struct Scaled {
  float k;
  Point operator()(float x, float y) const { return {x * k, y * k}; }
  float operator()(float v) const { return v * k; }
};

Point OnCircle(Point c, float radius, float turns) {
  float a = turns * 2 * kPi;
  return {c.x + radius * std::cos(a), c.y + radius * std::sin(a)};
}

}  // namespace

platform::Image RenderEmblem(int size) {
  platform::Image out(size, size, 0x00000000);
  const Scaled s{size / 160.0f};
  const Point c = s(80, 80);
  const float line = std::max(1.0f, s(2.5f));

  // Ring and disc.
  Fill(out, Circle(c, s(77)), 0xFF1A0E02);
  Fill(out, Circle(c, s(75)), VerticalGradient(s(5), 0xFFFFF0B0, s(155), 0xFFB8700E));
  Fill(out, Circle(c, s(66)), 0xFF2A1604);
  Fill(out, Circle(c, s(64)), [c, s](float x, float y) {
    float d = std::hypot(x - c.x, y - c.y) / s(64);
    return MixColor(0xFF3A2A9A, 0xFF070A30, std::clamp(d, 0.0f, 1.0f));
  });
  // Studs on the ring, as on a medal.
  for (int i = 0; i < 8; ++i) Fill(out, Circle(OnCircle(c, s(70.5f), (i + 0.5f) / 8), s(2.2f)), 0xFFFFF8D8);

  // The star crystal: eight points, each split into a lit and a shaded half.
  const float tip = s(56), notch = s(23);
  for (int i = 0; i < 8; ++i) {
    float t = (i + 0.0f) / 8 - 0.25f;
    Point p = OnCircle(c, tip, t), before = OnCircle(c, notch, t - 1.0f / 16), after = OnCircle(c, notch, t + 1.0f / 16);
    Fill(out, Polygon({c, before, p}), i % 2 ? 0xFFD860FF : 0xFFF0A8FF);
    Fill(out, Polygon({c, p, after}), i % 2 ? 0xFF7A38E0 : 0xFFA050F0);
  }
  Fill(out, Circle(c, s(14)), 0x60FFFFFF);

  // The ship, nose up, over the crystal.
  const std::vector<Point> ship = {s(80, 30), s(88, 62), s(112, 104), s(88, 98), s(80, 108), s(72, 98), s(48, 104),
                                   s(72, 62)};
  Fill(out, Grown(Polygon(ship), line), 0xFF0A0A28);
  Fill(out, Polygon(ship), VerticalGradient(s(30), 0xFFFFFFFF, s(108), 0xFFA8C0E8));
  Fill(out, Polygon({s(80, 48), s(84, 66), s(80, 78), s(76, 66)}), 0xFF40E8FF);
  Fill(out, Polygon({s(48, 104), s(72, 98), s(76, 102), s(52, 106)}), 0xFF3070FF);
  Fill(out, Polygon({s(112, 104), s(88, 98), s(84, 102), s(108, 106)}), 0xFF3070FF);
  Fill(out, Ellipse(s(80, 114), s(5), s(7)), 0xFFFFA030);
  Fill(out, Ellipse(s(80, 113), s(2.5f), s(4)), 0xFFFFF0C0);
  return out;
}

}  // namespace assets
