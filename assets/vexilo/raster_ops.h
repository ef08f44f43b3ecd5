#pragma once
#include "platform/image.h"

// Pieces of the game's drawing, for pictures made to sit over what the game draws under them.
namespace assets::vexilo {

// A sprite sheet as the game draws it: the mask half ANDed, then the picture half ORed.
void DrawSprite(platform::Image& target, const platform::Image& sheet);
// A piece of a picture as its own picture.
platform::Image Crop(const platform::Image& source, int x, int y, int w, int h);

}  // namespace assets::vexilo
