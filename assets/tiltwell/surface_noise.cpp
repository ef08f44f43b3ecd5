#include "assets/tiltwell/surface_noise.h"

#include <cmath>

namespace assets::tiltwell {
namespace {

int Wrap(int i, int n) { return ((i % n) + n) % n; }

float Smooth(float t) { return t * t * (3 - 2 * t); }

}  // namespace

float Hash01(int a, int b, uint32_t seed) {
  uint32_t h = uint32_t(a) * 0x8DA6B343u ^ uint32_t(b) * 0xD8163841u ^ seed * 0xCB1AB31Fu;
  h ^= h >> 13;
  h *= 0x5BD1E995u;
  h ^= h >> 15;
  h *= 0x27D4EB2Du;
  h ^= h >> 16;
  return float(h & 0xFFFFFF) / float(0x1000000);
}

float RepeatingNoise(float x, float y, int cells, float repeat, uint32_t seed) {
  float fx = x / repeat * cells, fy = y / repeat * cells;
  int ix = int(std::floor(fx)), iy = int(std::floor(fy));
  float tx = Smooth(fx - ix), ty = Smooth(fy - iy);
  auto at = [&](int i, int j) { return Hash01(Wrap(i, cells), Wrap(j, cells), seed); };
  float top = at(ix, iy) + (at(ix + 1, iy) - at(ix, iy)) * tx;
  float bottom = at(ix, iy + 1) + (at(ix + 1, iy + 1) - at(ix, iy + 1)) * tx;
  return top + (bottom - top) * ty;
}

float RepeatingFbm(float x, float y, int cells, int octaves, float repeat, uint32_t seed) {
  float sum = 0, weight = 1, total = 0;
  for (int o = 0; o < octaves; ++o) {
    sum += weight * RepeatingNoise(x, y, cells << o, repeat, seed + uint32_t(o) * 101);
    total += weight;
    weight *= 0.5f;
  }
  return sum / total;
}

}  // namespace assets::tiltwell
