#include "assets/quenmark/radial_paint.h"

#include <algorithm>
#include <cmath>

namespace assets::quenmark {

platform::Image PaintSquare(int size, const std::function<uint32_t(float u, float v)>& paint) {
  platform::Image out(size, size, 0);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      float alpha = 0, colour[3] = {0, 0, 0};
      for (int s = 0; s < 4; ++s) {
        float u = (x + 0.25f + 0.5f * float(s & 1)) / float(size) * 2 - 1;
        float v = (y + 0.25f + 0.5f * float(s >> 1)) / float(size) * 2 - 1;
        uint32_t c = paint(u, v);
        float a = float(c >> 24) / 255.0f;
        alpha += a;
        // Colours weighed by their alpha, as blending them would.
        for (int k = 0; k < 3; ++k) colour[k] += a * float((c >> (16 - 8 * k)) & 255);
      }
      if (alpha <= 0) continue;
      uint32_t pixel = uint32_t(std::lround(alpha / 4 * 255)) << 24;
      for (int k = 0; k < 3; ++k)
        pixel |= uint32_t(std::clamp(std::lround(colour[k] / alpha), 0L, 255L)) << (16 - 8 * k);
      out.at(x, y) = pixel;
    }
  return out;
}

}  // namespace assets::quenmark
