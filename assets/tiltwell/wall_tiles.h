#pragma once
#include "platform/image.h"

// The walls of the maze, one opaque 32 x 32 cell each, raised above the floor. Each kind shows
// how it treats the ball: stone and steel are hard, rubber gleams like a bumper, the cushion
// is padded.
namespace assets::tiltwell {

enum class Wall { Stone, Rubber, Cushion, Steel };

platform::Image WallTile(Wall wall);

}  // namespace assets::tiltwell
