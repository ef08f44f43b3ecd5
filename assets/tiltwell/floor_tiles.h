#pragma once
#include <cstdint>

#include "platform/image.h"

// The floors of the maze, one 32 x 32 cell each. Every floor repeats every 32 pixels, so cells
// of one floor side by side join without a seam; stone shows a regular grout line instead.
namespace assets::tiltwell {

enum class Floor { Stone, Carpet, Ice, Wood, Sand };

constexpr int kCell = 32;  // pixels on each side of a tile

// The floor's colour at (x, y), pixels within the cell (any value: it repeats).
uint32_t FloorColour(Floor floor, float x, float y);
// A whole opaque cell of the floor.
platform::Image FloorTile(Floor floor);

}  // namespace assets::tiltwell
