#pragma once
#include <string>

#include "platform/image.h"

namespace assets {

// "font.png": 256 x 256, a grid of 16 x 8 cells of 16 x 32 pixels; the characters of the game's font table
// in the first four rows, white with an alpha channel, the rest transparent.
bool RenderFontSheet(platform::Image& out);

}  // namespace assets
