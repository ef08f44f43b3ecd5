#pragma once
#include <cstdint>
#include <vector>

namespace assets {

// One entry of the maze game's tile-type table, with the character that stands for it in the
// stage maps. Where its picture is: sheet 0 of "tiles.png", a 16 x 16 grid of 32-pixel cells.
struct TileType {
  char symbol;
  uint8_t kind;    // 0 hole, 1 floor, 2 wall, 8 push, 64 switch, 65 gate, 255 goal
  uint8_t column, row;
  uint8_t grip;    // a floor's grip (0 ice .. 255), a wall's or closed gate's restitution
  uint8_t param;   // push code (x digit + 10 * y digit), switch presses, an open gate's grip
};

// The tile types in table order: a stage's cells hold these indices.
const std::vector<TileType>& TiltwellTileTypes();
// The table index of the type a map character stands for; -1 for a character no type has.
int TiltwellTileIndex(char symbol);

}  // namespace assets
