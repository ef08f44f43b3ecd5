#include "assets/common/glow.h"

#include <vector>

namespace assets {
namespace {

// One pass of a box blur along rows (step 1) or columns (step width) of a float plane.
void BoxPass(std::vector<float>& plane, int width, int height, int radius, bool alongRows) {
  std::vector<float> line;
  int length = alongRows ? width : height, lines = alongRows ? height : width;
  for (int l = 0; l < lines; ++l) {
    auto at = [&](int i) -> float& { return alongRows ? plane[size_t(l) * width + i] : plane[size_t(i) * width + l]; };
    line.assign(size_t(length), 0);
    float sum = 0;
    for (int i = -radius; i < length + radius; ++i) {
      if (i + radius < length) sum += at(i + radius);
      if (i - radius - 1 >= 0) sum -= at(i - radius - 1);
      if (i >= 0 && i < length) line[size_t(i)] = sum / float(2 * radius + 1);
    }
    for (int i = 0; i < length; ++i) at(i) = line[size_t(i)];
  }
}

}  // namespace

platform::Image BlurredMask(const platform::Image& mask, int radius, int margin) {
  int w = mask.width + 2 * margin, h = mask.height + 2 * margin;
  std::vector<float> plane(size_t(w) * h, 0);
  for (int y = 0; y < mask.height; ++y)
    for (int x = 0; x < mask.width; ++x) plane[size_t(y + margin) * w + x + margin] = (mask.at(x, y) >> 24) / 255.0f;
  // Three box passes each way come close to a Gaussian.
  int box = radius / 2 > 0 ? radius / 2 : 1;
  for (int pass = 0; pass < 3; ++pass) {
    BoxPass(plane, w, h, box, true);
    BoxPass(plane, w, h, box, false);
  }
  platform::Image out(w, h, 0x00FFFFFF);
  for (size_t i = 0; i < plane.size(); ++i) {
    float v = plane[i] > 1 ? 1 : plane[i];
    out.pixels[i] = uint32_t(v * 255 + 0.5f) << 24 | 0x00FFFFFFu;
  }
  return out;
}

}  // namespace assets
