#include "assets/quenmark/enemy_craft.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "assets/common/canvas.h"
#include "assets/quenmark/colour.h"
#include "assets/quenmark/craft_outline.h"
#include "assets/quenmark/metal_shading.h"
#include "assets/quenmark/radial_paint.h"

namespace assets::quenmark {
namespace {

constexpr uint32_t kOutline = 0xFF1C1030;
constexpr uint32_t kViolet = 0xFF9A4CFF;

}  // namespace

platform::Image RenderEnemyCraft(int size) {
  platform::Image out(size, size, 0);
  const CraftCanvas c{size / kDesignSize};
  const Shape pod = c.Mirrored({{64, 20}, {79, 30}, {86, 54}, {80, 80}, {64, 98}});
  const std::vector<Point> wing = {{76, 36}, {114, 10}, {122, 18}, {108, 48}, {82, 70}};
  const std::vector<Point> claw = {{74, 70}, {92, 80}, {96, 112}, {90, 120}, {84, 96}, {70, 88}};
  const Shape wings[] = {c.Right(wing), c.Left(wing)};
  const Shape claws[] = {c.Right(claw), c.Left(claw)};
  for (const Shape& s : wings) Fill(out, Grown(s, c.L(2.2f)), kOutline);
  for (const Shape& s : claws) Fill(out, Grown(s, c.L(2.2f)), kOutline);
  Fill(out, Grown(pod, c.L(2.2f)), kOutline);

  const float bevel = c.L(4);
  const Paint pale = VerticalGradient(c.L(10), 0xFFFFFFFF, c.L(120), 0xFFA8ACC8);
  for (const Shape& s : wings) FillBevelled(out, s, pale, bevel, 0.55f);
  const Paint clawPaint = VerticalGradient(c.L(70), 0xFFE6E8F4, c.L(120), 0xFF9094B4);
  for (const Shape& s : claws) FillBevelled(out, s, clawPaint, bevel, 0.55f);
  // Violet vanes along the wings, and the claws' tips.
  Fill(out, Segment(c.P(84, 50), c.P(112, 22), c.L(1.8f)), kViolet);
  Fill(out, Segment(c.P(44, 50), c.P(16, 22), c.L(1.8f)), kViolet);
  FillBevelled(out, pod, pale, c.L(5), 0.65f);
  // Armour seams on the pod.
  Fill(out, Polyline({c.P(54, 36), c.P(64, 30), c.P(74, 36)}, c.L(0.9f)), 0xFF7A7E9C);
  Fill(out, Polyline({c.P(52, 74), c.P(64, 86), c.P(76, 74)}, c.L(0.9f)), 0xFF7A7E9C);
  // The core: a violet eye in a dark socket, glowing.
  const Point eye = c.P(64, 56);
  Fill(out, Circle(eye, c.L(11.5f)), 0xFF201438);
  static const Stop kEye[] = {{0.0f, 0xFFFFFFFF}, {0.3f, 0xFFF0C8FF}, {0.6f, 0xFFB060FF}, {1.0f, 0xFF5A1AB0}};
  const float radius = c.L(9);
  Fill(out, Circle(eye, radius), [=](float x, float y) {
    float r = std::sqrt((x - eye.x) * (x - eye.x) + (y - eye.y) * (y - eye.y)) / radius;
    return Ramp(kEye, r);
  });
  return out;
}

}  // namespace assets::quenmark
