#include "assets/tiltwell/floor_tiles.h"

#include <algorithm>
#include <cmath>

#include "assets/common/canvas.h"
#include "assets/tiltwell/relief.h"
#include "assets/tiltwell/surface_noise.h"

namespace assets::tiltwell {
namespace {

constexpr float kRepeat = kCell;

float Wrapped(float v) { return v - std::floor(v / kRepeat) * kRepeat; }

// Fine grain that changes from pixel to pixel but repeats with the cell.
float Grain(float x, float y, uint32_t seed) { return Hash01(int(Wrapped(x)), int(Wrapped(y)), seed); }

// Medium grey flagstone: one slab a cell, its edges eased down into a thin grout line. The
// line sits two pixels in from each edge, where the game's drawing of a tile still shows it.
uint32_t Stone(float x, float y) {
  float mottle = RepeatingFbm(x, y, 4, 4, kRepeat, 11);
  float k = 0.86f + 0.26f * mottle + 0.05f * (Grain(x, y, 12) - 0.5f);
  uint32_t colour = MixColor(0xFF8C877D, 0xFF968F80, RepeatingNoise(x, y, 2, kRepeat, 13));
  float wx = Wrapped(x), wy = Wrapped(y);
  float edge = std::min({wx, wy, kRepeat - wx, kRepeat - wy});
  if (edge < 1.6f) return Scaled(colour, 0.62f * k);
  // The slab's rounded rim: lit along its top and left, shaded along its bottom and right.
  if (edge < 3.2f) {
    float light = edge == wy ? 0.12f : edge == wx ? 0.08f : edge == kRepeat - wy ? -0.14f : -0.1f;
    k *= 1 + light * (3.2f - edge) / 1.6f;
  }
  return Scaled(colour, k);
}

// Wine-red carpet: a fine diagonal twill and a soft pile, mottled where it was trodden.
uint32_t Carpet(float x, float y) {
  float twill = std::sin(2 * kPi * (x + y) / 4);  // four pixels a rib, eight ribs a cell
  float cross = std::sin(2 * kPi * (x - y) / 8);
  float pile = Grain(x, y, 21) - 0.5f;
  float mottle = RepeatingFbm(x, y, 4, 3, kRepeat, 22);
  float k = 0.9f + 0.07f * twill + 0.03f * cross + 0.1f * pile + 0.18f * (mottle - 0.5f);
  return Scaled(0xFF8E2B3C, k);
}

// Pale blue ice: cloudy depth, a few hairline cracks, and shine running from top-left to
// bottom-right.
uint32_t Ice(float x, float y) {
  float depth = RepeatingFbm(x, y, 2, 4, kRepeat, 31);
  uint32_t colour = MixColor(0xFF9CCDE8, 0xFFD8F0FB, depth);
  float vein = std::fabs(RepeatingFbm(x, y, 4, 3, kRepeat, 32) - 0.5f);
  if (vein < 0.025f) colour = MixColor(colour, 0xFFF6FDFF, 0.55f * (1 - vein / 0.025f));
  float shine = 0.5f + 0.5f * std::sin(2 * kPi * (x - y) / kRepeat + 1.2f);
  colour = MixColor(colour, 0xFFFFFFFF, 0.28f * std::pow(shine, 6.0f));
  return Scaled(colour, 0.97f + 0.05f * Grain(x, y, 33));
}

// Honey-coloured planks, four to a cell, their end joints staggered.
uint32_t Wood(float x, float y) {
  const float plank = kRepeat / 4;
  float wy = Wrapped(y);
  int row = int(wy / plank);
  float within = wy - row * plank;
  float tone = 0.9f + 0.2f * Hash01(row, 0, 41);
  // The grain: long wavy lines along the plank.
  float warp = 2.2f * RepeatingNoise(x, y * 4, 2, kRepeat, 42 + row);
  float grain = std::sin(2 * kPi * (wy * 0.55f + warp) + row);
  float k = tone * (0.93f + 0.06f * grain + 0.06f * (Grain(x, y, 43) - 0.5f));
  uint32_t colour = 0xFFB27B47;
  // The gap between planks, and the lit edge of the plank below it.
  if (within < 1.0f) return Scaled(colour, 0.5f * tone);
  if (within < 2.0f) k *= 1.1f;
  if (within > plank - 1.0f) k *= 0.82f;
  float joint = Wrapped(x - 11.0f * row - 5);
  if (joint < 1.0f) return Scaled(colour, 0.55f * tone);
  return Scaled(colour, k);
}

// Fine warm sand with shallow ripples.
uint32_t Sand(float x, float y) {
  float ripple = std::sin(2 * kPi * (2 * y / kRepeat + 0.18f * std::sin(2 * kPi * x / kRepeat)));
  float grain = Grain(x, y, 51) - 0.5f;
  float mottle = RepeatingFbm(x, y, 4, 3, kRepeat, 52);
  float k = 0.95f + 0.06f * ripple + 0.12f * grain + 0.1f * (mottle - 0.5f);
  return Scaled(0xFFD6B77C, k);
}

}  // namespace

uint32_t FloorColour(Floor floor, float x, float y) {
  switch (floor) {
    case Floor::Stone: return Stone(x, y);
    case Floor::Carpet: return Carpet(x, y);
    case Floor::Ice: return Ice(x, y);
    case Floor::Wood: return Wood(x, y);
    case Floor::Sand: return Sand(x, y);
  }
  return 0xFF000000;
}

platform::Image FloorTile(Floor floor) {
  platform::Image cell(kCell, kCell);
  PaintCell(cell, [floor](float x, float y) { return FloorColour(floor, x, y); });
  return cell;
}

}  // namespace assets::tiltwell
