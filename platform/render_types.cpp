#include "platform/render_types.h"

namespace platform {

ColorValue ColorFromArgb(uint32_t argb) {
  return {((argb >> 16) & 255) / 255.0f, ((argb >> 8) & 255) / 255.0f, (argb & 255) / 255.0f,
          ((argb >> 24) & 255) / 255.0f};
}

}  // namespace platform
