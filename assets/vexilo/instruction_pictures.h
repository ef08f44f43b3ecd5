#pragma once
#include "platform/image.h"

namespace assets::vexilo {

// The picture that tells the player to raise flag 1..4, drawn over the part of the background
// its slot covers: the flag raised in its colour with its emblem, leaning to its side, and a
// small map of the four flags with this one lit.
platform::Image DrawInstructionPicture(const platform::Image& background, int flag);

}  // namespace assets::vexilo
