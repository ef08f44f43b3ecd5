#pragma once
#include <string>
#include <vector>

#include "platform/image.h"

// Small made-up mazes laid from the tile sheet's cells: the one on the title's board and one
// around the ball for a preview of the play screen. A maze is rows of letters, one a cell:
//   . , c i w s   floors: stone, carpet, ice, wood, sand      (a space: no tile)
//   # r u m       walls: stone, rubber, cushion, steel
//   o q O         holes in stone, carpet, ice
//   > v < ^       push arrows
//   0 1 2 3 L     switches with that many presses left; L lit with two left
//   A a B b       gates: blue closed and open, green closed and open
//   G S           goal, start
namespace assets::tiltwell {

std::vector<std::string> TitleMaze();
std::vector<std::string> PreviewMaze();
// The maze's cells copied from the sheet onto a transparent picture, 32 pixels a cell.
platform::Image DrawMaze(const platform::Image& sheet, const std::vector<std::string>& rows);

}  // namespace assets::tiltwell
