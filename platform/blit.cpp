#include "platform/blit.h"

#include <algorithm>

namespace platform {

void Blit(Image& destination, int dx, int dy, int width, int height, const Image& source, int sx,
          int sy, RasterOp op) {
  // Clip the rectangle against both pictures, moving source and destination together.
  auto clip = [](int& d, int& s, int& length, int dLimit, int sLimit) {
    int shift = std::max({0, -d, -s});
    d += shift;
    s += shift;
    length -= shift;
    length = std::min({length, dLimit - d, sLimit - s});
  };
  clip(dx, sx, width, destination.width, source.width);
  clip(dy, sy, height, destination.height, source.height);
  if (width <= 0 || height <= 0) return;
  for (int y = 0; y < height; ++y) {
    uint32_t* out = &destination.at(dx, dy + y);
    const uint32_t* in = source.pixels.data() + size_t(sy + y) * source.width + sx;
    for (int x = 0; x < width; ++x) {
      uint32_t alpha = out[x] & 0xFF000000u, colour = out[x] & 0x00FFFFFFu, src = in[x] & 0x00FFFFFFu;
      switch (op) {
        case RasterOp::Copy: colour = src; break;
        case RasterOp::And: colour &= src; break;
        case RasterOp::Or: colour |= src; break;
      }
      out[x] = alpha | colour;
    }
  }
}

}  // namespace platform
