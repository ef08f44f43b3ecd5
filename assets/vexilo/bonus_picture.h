#pragma once
#include "platform/image.h"

namespace assets::vexilo {

// The rare bonus picture: the mascot's chest screen showing a heart. It is copied as an opaque
// square, so it is cut from the background with the mascot on it and only the screen changes.
platform::Image DrawBonusPicture(const platform::Image& background, const platform::Image& mascotSprite);

}  // namespace assets::vexilo
