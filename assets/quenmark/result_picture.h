#pragma once
#include "platform/image.h"

namespace assets::quenmark {

// "result.dds": drawn at (0, 30) on a 320-unit square over the last frame of play: a
// see-through dark plate with the heading at its top, a sunk plate where the game writes the
// score (at y 0, from x -20, nine characters) labelled "Score", and "Press Enter" below.
bool RenderResultPicture(int size, platform::Image& out);

}  // namespace assets::quenmark
