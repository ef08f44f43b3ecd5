#include "assets/vexilo/scenery.h"

#include <cmath>

#include "assets/vexilo/screen_layout.h"

namespace assets::vexilo {
namespace {

void DrawCloud(platform::Image& image, Point c, float size) {
  const Point puffs[] = {{-1.0f, 0.25f}, {-0.4f, -0.2f}, {0.35f, -0.35f}, {1.0f, 0.15f}, {0.1f, 0.3f}};
  const float radii[] = {0.5f, 0.65f, 0.75f, 0.5f, 0.6f};
  // Shadow first, then the puffs a little higher, so each cloud has a soft blue underside.
  for (int pass = 0; pass < 2; ++pass)
    for (int i = 0; i < 5; ++i)
      Fill(image, Circle({c.x + puffs[i].x * size, c.y + puffs[i].y * size - pass * size * 0.12f}, radii[i] * size),
           pass ? 0xFFFFFFFF : 0xFFD2E9FA);
}

}  // namespace

void DrawScenery(platform::Image& image) {
  Fill(image, RoundedRect(0, 0, float(image.width), float(image.height), 0),
       VerticalGradient(0, 0xFF6EC6FF, 200, 0xFFD9F2FF));
  // Faint rays fanning out from above the mascot, for a festive sky.
  Point sun{kFigureAxis, 40};
  for (int i = 0; i < 14; ++i) {
    float a0 = kPi * (i / 7.0f), a1 = a0 + kPi / 14;
    Fill(image, Polygon({sun, {sun.x + 600 * std::cos(a0), sun.y + 600 * std::sin(a0)}, {sun.x + 600 * std::cos(a1), sun.y + 600 * std::sin(a1)}}),
         0x14FFFFFF);
  }
  DrawCloud(image, {96, 150}, 16);
  DrawCloud(image, {300, 118}, 13);
  DrawCloud(image, {270, 30}, 10);
  DrawCloud(image, {108, 50}, 9);
  // Pale far hills, then the near meadow.
  Fill(image, Ellipse({90, 262}, 190, 58), 0xFFC9EFA2);
  Fill(image, Ellipse({330, 266}, 170, 62), 0xFFC9EFA2);
  Fill(image, Ellipse({kFigureAxis, 300}, 320, 78), VerticalGradient(222, 0xFFA8E07A, 256, 0xFF86CC5A));
  // Tufts of grass on the front hill.
  for (float x : {90.0f, 128.0f, 282.0f, 318.0f}) {
    float y = 300 - 78 * std::sqrt(std::fmax(0.0f, 1 - std::pow((x - kFigureAxis) / 320, 2.0f))) + 9;
    for (int k = -1; k <= 1; ++k)
      Fill(image, Polygon({{x + k * 4 - 2, y}, {x + k * 5.5f, y - 7 + std::abs(k) * 2}, {x + k * 4 + 2, y}}), 0xFF6FBF4A);
  }
}

void DrawStage(platform::Image& image, const Place& at) {
  Point c = at({kFigureAxis, 245});
  Fill(image, Ellipse({c.x, c.y + at(4)}, at(52), at(10)), 0xFFE7C98E);
  Fill(image, Ellipse(c, at(52), at(10)), VerticalGradient(c.y - at(10), 0xFFFFF3D6, c.y + at(10), 0xFFF2D9A6));
  // The mascot's soft shadow.
  Fill(image, Ellipse(c, at(34), at(5.5f)), 0x18000000);
}

}  // namespace assets::vexilo
