#pragma once
#include "platform/image.h"

namespace assets {

// The mask's coverage spread by a blur of about `radius` pixels, in a picture `margin` pixels
// larger on every side (so the glow has room); white with the blurred coverage in alpha.
platform::Image BlurredMask(const platform::Image& mask, int radius, int margin);

}  // namespace assets
