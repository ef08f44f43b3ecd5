#pragma once
#include "platform/image.h"

namespace assets {

// The game's emblem, `size` pixels square, transparent around it: a gold ring holding the star
// crystal of the enemies and the player's ship rising through it. "logos.png" is it at 160 for
// the dark-blue score panel; the window's icon is it small.
platform::Image RenderEmblem(int size);

}  // namespace assets
