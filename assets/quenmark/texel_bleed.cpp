#include "assets/quenmark/texel_bleed.h"

#include <cstdint>
#include <vector>

namespace assets::quenmark {

void BleedColourIntoTransparent(platform::Image& image, int texels) {
  const int w = image.width, h = image.height;
  // Which texels have a colour worth spreading: drawn ones, then each ring bled from them.
  std::vector<uint8_t> coloured(size_t(w) * h);
  for (size_t i = 0; i < coloured.size(); ++i) coloured[i] = (image.pixels[i] >> 24) != 0;
  for (int ring = 0; ring < texels; ++ring) {
    std::vector<uint8_t> next = coloured;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        if (coloured[size_t(y) * w + x]) continue;
        uint32_t sum[3] = {0, 0, 0}, count = 0;
        for (int dy = -1; dy <= 1; ++dy)
          for (int dx = -1; dx <= 1; ++dx) {
            int nx = x + dx, ny = y + dy;
            if (nx < 0 || ny < 0 || nx >= w || ny >= h || !coloured[size_t(ny) * w + nx]) continue;
            uint32_t p = image.at(nx, ny);
            sum[0] += (p >> 16) & 255, sum[1] += (p >> 8) & 255, sum[2] += p & 255;
            ++count;
          }
        if (count == 0) continue;
        image.at(x, y) = (sum[0] / count) << 16 | (sum[1] / count) << 8 | sum[2] / count;
        next[size_t(y) * w + x] = 1;
      }
    coloured.swap(next);
  }
}

}  // namespace assets::quenmark
