#pragma once
#include <algorithm>
#include <cmath>
#include <cstdint>

// Small operations on 0xAARRGGBB colours with straight alpha.
namespace assets::quenmark {

// The colour with its alpha replaced by `alpha` (0..1).
inline uint32_t WithAlpha(uint32_t argb, float alpha) {
  return uint32_t(std::clamp(std::lround(alpha * 255), 0L, 255L)) << 24 | (argb & 0xFFFFFFu);
}

// Red, green and blue times k: darker below 1; above 1 the channels rise until they clip.
inline uint32_t Scaled(uint32_t argb, float k) {
  uint32_t out = argb & 0xFF000000u;
  for (int shift = 0; shift < 24; shift += 8)
    out |= uint32_t(std::clamp(std::lround(float((argb >> shift) & 255) * k), 0L, 255L)) << shift;
  return out;
}

inline float SmoothStep(float edge0, float edge1, float x) {
  float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
  return t * t * (3 - 2 * t);
}

}  // namespace assets::quenmark
