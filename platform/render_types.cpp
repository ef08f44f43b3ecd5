#include "platform/render_types.h"

#include <algorithm>
#include <cmath>

namespace platform {

ColorValue ColorFromArgb(uint32_t argb) {
  return {((argb >> 16) & 255) / 255.0f, ((argb >> 8) & 255) / 255.0f, (argb & 255) / 255.0f,
          ((argb >> 24) & 255) / 255.0f};
}

uint32_t ArgbFromColor(const ColorValue& c) {
  auto channel = [](float v) {
    return uint32_t(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f));
  };
  return channel(c.a) << 24 | channel(c.r) << 16 | channel(c.g) << 8 | channel(c.b);
}

}  // namespace platform
