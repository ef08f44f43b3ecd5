#include "assets/tiltwell/tile_sheet.h"

#include "assets/tiltwell/arrow_tiles.h"
#include "assets/tiltwell/floor_tiles.h"
#include "assets/tiltwell/gate_tiles.h"
#include "assets/tiltwell/hole_tiles.h"
#include "assets/tiltwell/pad_tiles.h"
#include "assets/tiltwell/switch_tiles.h"
#include "assets/tiltwell/wall_tiles.h"

namespace assets::tiltwell {
namespace {

// Copies the cell's pixels as they are (alpha included) into its place.
void Place(platform::Image& sheet, int column, int row, const platform::Image& cell) {
  for (int y = 0; y < kCell; ++y)
    for (int x = 0; x < kCell; ++x) sheet.at(column * kCell + x, row * kCell + y) = cell.at(x, y);
}

}  // namespace

platform::Image RenderTileSheet() {
  platform::Image sheet(kSheetCells * kCell, kSheetCells * kCell, 0x00000000);
  const Floor floors[] = {Floor::Stone, Floor::Carpet, Floor::Ice, Floor::Wood, Floor::Sand};
  for (int c = 0; c < 5; ++c) Place(sheet, c, 0, FloorTile(floors[c]));
  const Wall walls[] = {Wall::Stone, Wall::Rubber, Wall::Cushion, Wall::Steel};
  for (int c = 0; c < 4; ++c) Place(sheet, c, 1, WallTile(walls[c]));
  const Floor holes[] = {Floor::Stone, Floor::Ice, Floor::Carpet};
  for (int c = 0; c < 3; ++c) Place(sheet, c, 2, HoleTile(holes[c]));
  for (int c = 0; c < 8; ++c) Place(sheet, c, 3, ArrowTile(c));
  for (int k = 0; k <= kMostPresses; ++k) {
    Place(sheet, k, 4, SwitchTile(k, false));
    Place(sheet, k, 5, SwitchTile(k, true));
  }
  // Closed and open one column apart: the game opens a gate by moving its picture right.
  Place(sheet, 0, 6, GateTile(GateColour::Blue, false));
  Place(sheet, 1, 6, GateTile(GateColour::Blue, true));
  Place(sheet, 2, 6, GateTile(GateColour::Green, false));
  Place(sheet, 3, 6, GateTile(GateColour::Green, true));
  Place(sheet, 0, 7, GoalTile());
  Place(sheet, 1, 7, StartTile());
  return sheet;
}

}  // namespace assets::tiltwell
