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
  // The games blit whole screens many times a frame: one tight loop per operation.
  constexpr uint32_t kColour = 0x00FFFFFFu;
  for (int y = 0; y < height; ++y) {
    uint32_t* out = &destination.at(dx, dy + y);
    const uint32_t* in = source.pixels.data() + size_t(sy + y) * source.width + sx;
    switch (op) {
      case RasterOp::Copy:
        for (int x = 0; x < width; ++x) out[x] = (out[x] & ~kColour) | (in[x] & kColour);
        break;
      case RasterOp::And:
        for (int x = 0; x < width; ++x) out[x] &= in[x] | ~kColour;
        break;
      case RasterOp::Or:
        for (int x = 0; x < width; ++x) out[x] |= in[x] & kColour;
        break;
    }
  }
}

}  // namespace platform
