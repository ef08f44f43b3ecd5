#pragma once
#include "platform/image.h"

namespace assets::vexilo {

// The MISS! and SPEEDUP banners, drawn over the part of the background they are copied onto.
// False when the font cannot be used.
bool DrawMissBanner(const platform::Image& background, platform::Image& out);
bool DrawSpeedupBanner(const platform::Image& background, platform::Image& out);

}  // namespace assets::vexilo
