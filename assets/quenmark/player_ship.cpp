#include "assets/quenmark/player_ship.h"

#include <algorithm>
#include <vector>

#include "assets/common/canvas.h"
#include "assets/quenmark/colour.h"
#include "assets/quenmark/craft_outline.h"
#include "assets/quenmark/metal_shading.h"
#include "assets/quenmark/radial_paint.h"

namespace assets::quenmark {
namespace {

constexpr uint32_t kOutline = 0xFF140A16;
constexpr uint32_t kTrimGold = 0xFFF2B43C;

struct Parts {
  Shape hull, wingRight, wingLeft, canardRight, canardLeft, finRight, finLeft, podRight, podLeft;
};

Parts ShipParts(const CraftCanvas& c) {
  Parts p;
  // The nose at the top; the hull widens to the wings' roots and narrows to the engines.
  p.hull = c.Mirrored({{64, 4}, {68.5f, 18}, {72, 36}, {74, 56}, {75, 82}, {73, 100}, {64, 100}});
  const std::vector<Point> wing = {{73, 50}, {112, 82}, {114, 94}, {74, 90}};
  p.wingRight = c.Right(wing);
  p.wingLeft = c.Left(wing);
  const std::vector<Point> canard = {{71, 32}, {83, 44}, {83, 49}, {72, 47}};
  p.canardRight = c.Right(canard);
  p.canardLeft = c.Left(canard);
  const std::vector<Point> fin = {{70, 84}, {85, 101}, {85, 108}, {72, 100}};
  p.finRight = c.Right(fin);
  p.finLeft = c.Left(fin);
  // Rails on the wing tips, where the side shots leave from.
  p.podRight = RoundedRect(c.L(110), c.L(70), c.L(117), c.L(100), c.L(3));
  p.podLeft = RoundedRect(c.L(11), c.L(70), c.L(18), c.L(100), c.L(3));
  return p;
}

void DrawFlames(platform::Image& out, const CraftCanvas& c) {
  for (float x : {59.0f, 69.0f}) {
    const Point top = c.P(x, 100);
    const float width = c.L(5.5f), length = c.L(24);
    Fill(out, Ellipse({top.x, top.y + length * 0.45f}, width, length * 0.55f), [=](float px, float py) {
      float u = (px - top.x) / width, v = (py - top.y) / length;  // v 0 at the nozzle, 1 at the tip
      float across = u * u / std::max(1 - v, 0.05f);
      float heat = std::clamp(1 - across - v * 0.9f, 0.0f, 1.0f);
      static const Stop kFlame[] = {{0.0f, 0xFFE0401A}, {0.35f, 0xFFFF9A30}, {0.7f, 0xFFFFE6A0}, {1.0f, 0xFFFFFFFF}};
      return WithAlpha(Ramp(kFlame, heat), std::clamp(heat * 1.6f, 0.0f, 1.0f));
    });
  }
}

}  // namespace

platform::Image RenderPlayerShip(int size) {
  platform::Image out(size, size, 0);
  const CraftCanvas c{size / kDesignSize};
  const Parts p = ShipParts(c);
  const Shape* silhouette[] = {&p.hull,  &p.wingRight, &p.wingLeft, &p.canardRight, &p.canardLeft,
                               &p.finRight, &p.finLeft, &p.podRight, &p.podLeft};
  DrawFlames(out, c);
  // One dark rim round the whole craft keeps it apart from the red field and from bullets.
  for (const Shape* s : silhouette) Fill(out, Grown(*s, c.L(2.2f)), kOutline);
  // Nozzles under the hull's tail.
  for (float x : {59.0f, 69.0f})
    Fill(out, RoundedRect(c.L(x - 4), c.L(94), c.L(x + 4), c.L(104), c.L(2)),
         VerticalGradient(c.L(94), 0xFF5A6070, c.L(104), 0xFF23262E));
  const float bevel = c.L(3.5f);
  const Paint wingPaint = VerticalGradient(c.L(50), 0xFFC4CCDA, c.L(96), 0xFF7C879C);
  for (const Shape* s : {&p.finRight, &p.finLeft}) FillBevelled(out, *s, Solid(0xFF8E98AC), bevel);
  for (const Shape* s : {&p.wingRight, &p.wingLeft, &p.canardRight, &p.canardLeft})
    FillBevelled(out, *s, wingPaint, bevel);
  const Paint podPaint = VerticalGradient(c.L(70), 0xFFFFE08A, c.L(100), 0xFFB87818);
  for (const Shape* s : {&p.podRight, &p.podLeft}) FillBevelled(out, *s, podPaint, c.L(2.5f), 0.8f);
  // Gold stripes along the wings' leading edges.
  Fill(out, Segment(c.P(78, 60), c.P(106, 83), c.L(1.6f)), kTrimGold);
  Fill(out, Segment(c.P(50, 60), c.P(22, 83), c.L(1.6f)), kTrimGold);
  FillBevelled(out, p.hull, VerticalGradient(c.L(4), 0xFFF4F7FC, c.L(100), 0xFF98A4B8), c.L(4.5f), 0.7f);
  // A red-orange band across the nose and a dark spine behind the canopy.
  Fill(out, Intersection(p.hull, RoundedRect(c.L(40), c.L(14), c.L(88), c.L(18), 0)), 0xFFE0502A);
  Fill(out, Segment(c.P(64, 50), c.P(64, 90), c.L(0.8f)), 0xFF5C6678);
  for (float x : {59.5f, 68.5f})
    Fill(out, RoundedRect(c.L(x - 1.5f), c.L(52), c.L(x + 1.5f), c.L(66), c.L(1.5f)), 0xFF30384A);
  // The canopy: deep cyan below, bright above, with a gleam.
  Fill(out, Grown(Ellipse(c.P(64, 34), c.L(4.6f), c.L(11)), c.L(1.2f)), 0xFF1A2030);
  Fill(out, Ellipse(c.P(64, 34), c.L(4.6f), c.L(11)), VerticalGradient(c.L(23), 0xFF9CF6FF, c.L(45), 0xFF0E6A8C));
  Fill(out, Ellipse(c.P(62.6f, 29), c.L(1.3f), c.L(4)), 0xD0FFFFFF);
  return out;
}

}  // namespace assets::quenmark
