#pragma once
#include "platform/image.h"

// "stages/tiles.png": 512 x 512, a 16 x 16 grid of 32-pixel cells that the stage data names by
// column and row. The layout is fixed:
//   row 0  floors: stone, carpet, ice, wood, sand
//   row 1  walls: stone, rubber, cushion, steel
//   row 2  holes in stone, ice, carpet
//   row 3  push arrows: right, then 45 degrees clockwise each column to up-right
//   row 4  switches, unlit, column k with k presses left (0 pressed flat)
//   row 5  the same switches lit
//   row 6  gates: closed blue, open blue, closed green, open green
//   row 7  goal, start
// Every other cell is transparent.
namespace assets::tiltwell {

constexpr int kSheetCells = 16;

platform::Image RenderTileSheet();

}  // namespace assets::tiltwell
