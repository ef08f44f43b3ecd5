#include "assets/tiltwell/switch_tiles.h"

#include <cmath>

#include "assets/common/canvas.h"
#include "assets/common/glow.h"
#include "assets/tiltwell/floor_tiles.h"
#include "assets/tiltwell/relief.h"

namespace assets::tiltwell {
namespace {

constexpr Point kCentre{kCell / 2.0f, kCell / 2.0f};
constexpr float kRingRadius = 12.5f, kButtonRadius = 6, kPipOrbit = 9.3f, kPipRadius = 1.9f;

// Where pip i of n sits on the ring: the first at the top, the rest evenly around.
Point PipAt(int i, int n) {
  float angle = -kPi / 2 + 2 * kPi * i / n;
  return {kCentre.x + kPipOrbit * std::cos(angle), kCentre.y + kPipOrbit * std::sin(angle)};
}

// A soft halo of `colour` around the shapes drawn into `mask`.
void Halo(platform::Image& cell, const platform::Image& mask, int radius, uint32_t colour, float strength) {
  const int margin = radius;
  platform::Image glow = BlurredMask(mask, radius, margin);
  for (int y = 0; y < kCell; ++y)
    for (int x = 0; x < kCell; ++x)
      BlendPixel(cell, x, y, colour, strength * float(glow.at(x + margin, y + margin) >> 24) / 255.0f);
}

}  // namespace

platform::Image SwitchTile(int pressesLeft, bool lit) {
  platform::Image cell = FloorTile(Floor::Stone);
  const Shape ring = Circle(kCentre, kRingRadius);
  Fill(cell, Circle({kCentre.x + 0.8f, kCentre.y + 1}, kRingRadius + 0.8f), 0x70000000);
  FillRaised(cell, ring, VerticalGradient(4, 0xFFB4B8BE, 28, 0xFF7C828A), {Profile::Bevel, 2, 1.1f, 30, 0.45f});
  // The well the button sits in.
  FillRaised(cell, Circle(kCentre, kButtonRadius + 1.6f), Solid(0xFF30333A), {Profile::Bevel, 1.2f, -1, 10, 0.1f});

  const bool spent = pressesLeft <= 0;
  const uint32_t buttonColour = lit ? (spent ? 0xFFE0B850 : 0xFFFFD84A) : (spent ? 0xFF5A4A44 : 0xFFA0342A);
  const uint32_t pipColour = lit ? 0xFFFFF2A8 : 0xFF6A4E3A;
  if (lit) {
    platform::Image mask(kCell, kCell, 0x00FFFFFF);
    Fill(mask, Circle(kCentre, kButtonRadius), 0xFFFFFFFF);
    for (int i = 0; i < pressesLeft; ++i) Fill(mask, Circle(PipAt(i, pressesLeft), kPipRadius), 0xFFFFFFFF);
    Halo(cell, mask, 4, 0xFFFFC030, 0.9f);
  }
  // A spent button is pressed down flush: no dome, only a faint rim.
  Relief button = spent ? Relief{Profile::Bevel, 0.8f, -0.6f, 10, 0.1f} : Relief{Profile::Dome, kButtonRadius, 0.9f, 24, 0.55f};
  FillRaised(cell, Circle(kCentre, kButtonRadius), Solid(buttonColour), button);
  if (lit && !spent) Fill(cell, Circle({kCentre.x - 1.5f, kCentre.y - 1.5f}, 2.4f), 0x90FFFFF0);
  for (int i = 0; i < pressesLeft; ++i) {
    Point p = PipAt(i, pressesLeft);
    Fill(cell, Circle(p, kPipRadius + 0.8f), 0xFF1E1A18);
    FillRaised(cell, Circle(p, kPipRadius), Solid(pipColour), {Profile::Dome, kPipRadius, 0.8f, 20, lit ? 0.6f : 0.35f});
  }
  return cell;
}

}  // namespace assets::tiltwell
