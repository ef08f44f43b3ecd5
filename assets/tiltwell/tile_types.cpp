#include "assets/tiltwell/tile_types.h"

#include <cstddef>

namespace assets {
namespace {

constexpr uint8_t kHole = 0, kFloor = 1, kWall = 2, kPush = 8, kSwitch = 64, kGate = 65, kGoal = 255;

// Floor grips: how far the ball's speed follows the tilt in one update, and the share of the
// carpet's top speed it reaches ((grip + 1) / 256).
constexpr uint8_t kCarpet = 255, kWood = 176, kStone = 96, kSand = 48, kIce = 0;
// Wall restitutions: the share of the speed a bounce returns is (grip + 1) / 256.
constexpr uint8_t kStoneWall = 63, kSteelWall = 127, kRubber = 255, kCushion = 0;

// Push codes: the x digit pushes right for 1..4 and left for 5..9 (-1..-5); the y digit, times
// ten, the same downwards and upwards.
constexpr uint8_t kPushRight = 2, kPushLeft = 6, kPushDown = 20, kPushUp = 60;

const std::vector<TileType> kTypes = {
    // symbol kind    column row grip        param
    {'#', kWall, 0, 1, kStoneWall, 0},
    {'R', kWall, 1, 1, kRubber, 0},
    {'C', kWall, 2, 1, kCushion, 0},
    {'X', kWall, 3, 1, kSteelWall, 0},
    {',', kFloor, 0, 0, kStone, 0},
    {'.', kFloor, 1, 0, kCarpet, 0},
    {'_', kFloor, 2, 0, kIce, 0},
    {'=', kFloor, 3, 0, kWood, 0},
    {':', kFloor, 4, 0, kSand, 0},
    {'S', kFloor, 1, 7, kCarpet, 0},  // the start pad
    {'O', kHole, 0, 2, 0, 0},         // in stone
    {'*', kHole, 1, 2, 0, 0},         // in ice
    {'o', kHole, 2, 2, 0, 0},         // in carpet
    // Push arrows by the screen direction they push to.
    {'>', kPush, 0, 3, kCarpet, kPushRight},
    {'c', kPush, 1, 3, kCarpet, kPushDown + kPushRight},
    {'v', kPush, 2, 3, kCarpet, kPushDown},
    {'z', kPush, 3, 3, kCarpet, kPushDown + kPushLeft},
    {'<', kPush, 4, 3, kCarpet, kPushLeft},
    {'q', kPush, 5, 3, kCarpet, kPushUp + kPushLeft},
    {'^', kPush, 6, 3, kCarpet, kPushUp},
    {'e', kPush, 7, 3, kCarpet, kPushUp + kPushRight},
    // Switches by their presses: the picture's column counts the presses left, one column
    // to the left per press.
    {'1', kSwitch, 1, 4, kCarpet, 1},
    {'2', kSwitch, 2, 4, kCarpet, 2},
    {'3', kSwitch, 3, 4, kCarpet, 3},
    {'4', kSwitch, 4, 4, kCarpet, 4},
    // Gates: walls until no switch has a press left, then carpet; the picture moves one
    // column to the right as they open.
    {'A', kGate, 0, 6, kStoneWall, kCarpet},
    {'B', kGate, 2, 6, kStoneWall, kCarpet},
    {'G', kGoal, 0, 7, kCarpet, 0},
};

}  // namespace

const std::vector<TileType>& TiltwellTileTypes() { return kTypes; }

int TiltwellTileIndex(char symbol) {
  for (std::size_t i = 0; i < kTypes.size(); ++i)
    if (kTypes[i].symbol == symbol) return int(i);
  return -1;
}

}  // namespace assets
