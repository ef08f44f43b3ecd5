#pragma once
#include <cstdint>

#include "assets/common/canvas.h"

// The look of each of the four flags, shared by the sprites and the instruction pictures so a
// flag reads the same in both. Each flag differs in hue, in lightness and in its emblem, so
// the four stay apart for players who do not see every hue.
namespace assets::vexilo {

enum class Emblem { kDisc, kStar, kDiamond, kCross };

struct FlagStyle {
  uint32_t cloth;   // main colour
  uint32_t shade;   // the cloth's folds and its rim
  uint32_t light;   // a pale tint of the cloth, for backgrounds that name the flag
  uint32_t emblem;  // colour of the emblem on the cloth
  Emblem shape;
};

// Flags 1..4: upper left, upper right, lower left, lower right.
const FlagStyle& StyleOf(int flag);

// The flag's emblem centred on `centre`, `size` pixels across.
void DrawEmblem(platform::Image& image, int flag, Point centre, float size);

}  // namespace assets::vexilo
