#include "assets/tiltwell/relief.h"

#include <algorithm>
#include <cmath>

namespace assets::tiltwell {
namespace {

struct Vec {
  float x, y, z;
};

Vec Normalised(Vec v) {
  float length = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
  return {v.x / length, v.y / length, v.z / length};
}

float Dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

const Vec kLight = Normalised({-0.55f, -0.7f, 0.6f});
const Vec kHalfway = Normalised({kLight.x, kLight.y, kLight.z + 1});

// The slope of the profile at `depth` pixels inside the edge.
float SlopeAt(const Relief& r, float depth) {
  if (depth <= 0) return r.steepness;
  float u = std::min(depth / r.ramp, 1.0f);
  switch (r.profile) {
    case Profile::Bevel:
      // Half a pixel of easing keeps the chamfer's inner edge smooth.
      return r.steepness * std::clamp((r.ramp - depth) * 2 + 0.5f, 0.0f, 1.0f);
    case Profile::Pillow:
      return r.steepness * (1 - u) * (1 - u);
    case Profile::Dome: {
      float w = 1 - u;  // 1 at the edge, 0 at the top
      return r.steepness * w / std::sqrt(std::max(1 - w * w, 0.02f));
    }
  }
  return 0;
}

}  // namespace

Light LightOn(float outX, float outY, float slope, float shininess) {
  Vec normal = Normalised({outX * slope, outY * slope, 1});
  Light light;
  // Some light from the room reaches even the sides turned away.
  const float ambient = 0.35f;
  light.diffuse = ambient + (1 - ambient) * std::max(Dot(normal, kLight), 0.0f) / kLight.z;
  light.specular = std::pow(std::max(Dot(normal, kHalfway), 0.0f), shininess);
  return light;
}

uint32_t Scaled(uint32_t argb, float k) {
  uint32_t out = argb & 0xFF000000u;
  for (int shift = 0; shift < 24; shift += 8) {
    float v = float((argb >> shift) & 255) * k;
    out |= uint32_t(std::clamp(std::lround(v), 0L, 255L)) << shift;
  }
  return out;
}

uint32_t WithAlpha(uint32_t argb, float alpha) {
  return uint32_t(std::clamp(std::lround(alpha * 255), 0L, 255L)) << 24 | (argb & 0xFFFFFF);
}

uint32_t Lit(uint32_t argb, Light light, float specularStrength) {
  uint32_t shaded = Scaled(argb, light.diffuse);
  return MixColor(shaded, (shaded & 0xFF000000u) | 0xFFFFFF, std::clamp(light.specular * specularStrength, 0.0f, 1.0f));
}

void FillRaised(platform::Image& image, const Shape& shape, const Paint& paint, const Relief& relief) {
  const auto& distance = shape.distance;
  Fill(image, shape, [&](float x, float y) {
    const float h = 0.35f;
    float gx = distance(x + h, y) - distance(x - h, y), gy = distance(x, y + h) - distance(x, y - h);
    float length = std::sqrt(gx * gx + gy * gy);
    if (length > 1e-6f) gx /= length, gy /= length;
    Light light = LightOn(gx, gy, SlopeAt(relief, -distance(x, y)), relief.shininess);
    return Lit(paint(x, y), light, relief.specular);
  });
}

}  // namespace assets::tiltwell
