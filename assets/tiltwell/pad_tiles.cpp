#include "assets/tiltwell/pad_tiles.h"

#include <cmath>

#include "assets/common/canvas.h"
#include "assets/tiltwell/floor_tiles.h"
#include "assets/tiltwell/relief.h"

namespace assets::tiltwell {
namespace {

constexpr Point kCentre{kCell / 2.0f, kCell / 2.0f};

}  // namespace

platform::Image GoalTile() {
  platform::Image cell = FloorTile(Floor::Stone);
  // Warm light spilling onto the floor around the pad.
  Fill(cell, Circle(kCentre, 16), [](float x, float y) {
    float r = std::hypot(x - kCentre.x, y - kCentre.y) / 16;
    return WithAlpha(0xFFFFE070, 0.75f * (1 - r) * (1 - r));
  });
  Fill(cell, Circle({kCentre.x + 0.8f, kCentre.y + 1}, 13.8f), 0x80000000);
  FillRaised(cell, Circle(kCentre, 13.5f), VerticalGradient(3, 0xFFFFE27A, 29, 0xFFC88E1E),
             {Profile::Bevel, 2.2f, 1.2f, 30, 0.6f});
  // The chequers: four pixels a square, black and white.
  Fill(cell, Circle(kCentre, 10.5f), [](float x, float y) {
    bool dark = (int(std::floor((x - 0) / 4)) + int(std::floor((y - 0) / 4))) % 2 != 0;
    return dark ? 0xFF1C1C22u : 0xFFF4F4F0u;
  });
  // The pennant on its pole, planted in the middle.
  Fill(cell, Segment({15.2f, 7.2f}, {15.2f, 25}, 1.6f), 0xFF1A1410);
  Fill(cell, Polygon({{16.2f, 6.0f}, {27, 10.2f}, {16.2f, 14.6f}}), 0xFF1A1410);
  Fill(cell, Polygon({{16.6f, 7.4f}, {25, 10.3f}, {16.6f, 13.2f}}), VerticalGradient(7, 0xFFFF5A4A, 13, 0xFFC81E1E));
  Fill(cell, Segment({15.2f, 7.6f}, {15.2f, 24.6f}, 0.8f), 0xFFE8E0D0);
  Fill(cell, Circle({15.2f, 7}, 1.5f), 0xFFFFD040);
  return cell;
}

platform::Image StartTile() {
  platform::Image cell = FloorTile(Floor::Stone);
  const Shape ring = Difference(Circle(kCentre, 10.5f), Circle(kCentre, 8.5f));
  Fill(cell, Difference(Circle(kCentre, 11), Circle(kCentre, 8)), 0x50000000);
  FillRaised(cell, ring, Solid(0xFFC09A50), {Profile::Bevel, 0.8f, 0.7f, 20, 0.4f});
  // Four ticks pointing at the middle, where the ball is set down.
  for (int i = 0; i < 4; ++i) {
    float a = i * kPi / 2;
    Point outer{kCentre.x + 6.8f * std::cos(a), kCentre.y + 6.8f * std::sin(a)};
    Point inner{kCentre.x + 4.2f * std::cos(a), kCentre.y + 4.2f * std::sin(a)};
    Fill(cell, Segment(outer, inner, 0.8f), 0xB0A07E3C);
  }
  return cell;
}

}  // namespace assets::tiltwell
