#include "assets/quenmark/metal_shading.h"

#include <algorithm>
#include <cmath>

#include "assets/quenmark/colour.h"

namespace assets::quenmark {
namespace {

constexpr float kLightX = -0.6f, kLightY = -0.8f;  // towards the light, in the picture's plane

}  // namespace

float Facing(float nx, float ny) { return nx * kLightX + ny * kLightY; }

void FillBevelled(platform::Image& image, const Shape& shape, const Paint& paint, float bevel, float strength) {
  const auto& distance = shape.distance;
  Fill(image, shape, [&](float x, float y) {
    uint32_t base = paint(x, y);
    float depth = -distance(x, y);
    if (depth >= bevel) return base;
    const float h = 0.35f;
    float gx = distance(x + h, y) - distance(x - h, y), gy = distance(x, y + h) - distance(x, y - h);
    float length = std::sqrt(gx * gx + gy * gy);
    if (length < 1e-6f) return base;
    // The slope fades out towards the flat top, so the bevel's inner edge stays soft.
    float slope = 1 - std::max(depth, 0.0f) / bevel;
    float light = Facing(gx / length, gy / length) * slope * strength;
    return light > 0 ? MixColor(base, base | 0x00FFFFFFu, light) : Scaled(base, 1 + light);
  });
}

}  // namespace assets::quenmark
