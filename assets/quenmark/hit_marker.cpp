#include "assets/quenmark/hit_marker.h"

#include <cmath>

#include "assets/quenmark/colour.h"
#include "assets/quenmark/radial_paint.h"

namespace assets::quenmark {

platform::Image RenderHitMarker(int size) {
  static const Stop kColour[] = {{0.0f, 0xFFFFFFFF}, {0.2f, 0xFFFFF0F4}, {0.24f, 0xFF3A0614},
                                 {0.34f, 0xFF3A0614}, {0.56f, 0xFFFF6A8C}, {0.62f, 0xFFFFE8EE},
                                 {0.68f, 0xFFFF6A8C}};
  return PaintSquare(size, [](float u, float v) {
    float r = std::sqrt(u * u + v * v);
    float alpha = 0;
    if (r <= 0.34f) alpha = 1;  // the dot in its dark rim
    else if (r <= 0.52f) alpha = 0.35f * (1 - (r - 0.34f) / 0.18f);  // the rim's shadow
    else if (r <= 0.72f) alpha = 1 - std::fabs(r - 0.62f) / 0.1f;    // the ring
    return WithAlpha(Ramp(kColour, r), alpha);
  });
}

}  // namespace assets::quenmark
