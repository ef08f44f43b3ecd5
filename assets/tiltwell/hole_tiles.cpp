#include "assets/tiltwell/hole_tiles.h"

#include <algorithm>
#include <cmath>

#include "assets/common/canvas.h"
#include "assets/tiltwell/relief.h"

namespace assets::tiltwell {
namespace {

constexpr float kCentre = kCell / 2.0f;
constexpr float kRadius = 11.5f;  // the pit; the ball (12.5 pixels) sinks into it
constexpr float kLip = 3.5f;      // how far out the floor starts to dip

uint32_t HolePixel(Floor floor, float x, float y) {
  uint32_t ground = FloorColour(floor, x, y);
  float dx = x - kCentre, dy = y - kCentre;
  float r = std::sqrt(dx * dx + dy * dy);
  float ux = r > 0 ? dx / r : 0, uy = r > 0 ? dy / r : 0;
  if (r > kRadius + kLip) return ground;
  // The dip: the floor falls towards the centre.
  float dip = std::clamp((kRadius + kLip - r) / kLip, 0.0f, 1.0f);
  uint32_t rim = Lit(ground, LightOn(-ux, -uy, 0.9f * dip * dip, 10), 0.15f);
  float inside = std::clamp(kRadius - r + 0.5f, 0.0f, 1.0f);
  if (inside <= 0) return rim;
  // Inside: the wall lit on the far (bottom-right) side, shadowed on the near one, then dark.
  float facing = std::max(0.0f, 0.62f * ux + 0.78f * uy);
  float depth = std::clamp((kRadius - r) / 5.5f, 0.0f, 1.0f);
  uint32_t wall = Scaled(ground, 0.18f + 0.5f * facing);
  uint32_t pit = MixColor(wall, 0xFF060504, std::pow(depth, 0.7f));
  // The shadow the near rim casts: strongest just inside the top-left edge.
  float shade = std::clamp(-(0.62f * ux + 0.78f * uy), 0.0f, 1.0f) * (1 - depth);
  pit = Scaled(pit, 1 - 0.6f * shade);
  return MixColor(rim, pit, inside);
}

}  // namespace

platform::Image HoleTile(Floor around) {
  platform::Image cell(kCell, kCell);
  PaintCell(cell, [around](float x, float y) { return HolePixel(around, x, y); });
  return cell;
}

}  // namespace assets::tiltwell
