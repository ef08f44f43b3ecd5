#include "assets/vexilo/instruction_pictures.h"

#include <algorithm>

#include "assets/common/canvas.h"
#include "assets/vexilo/flag_style.h"
#include "assets/vexilo/flags.h"
#include "assets/vexilo/raster_ops.h"
#include "assets/vexilo/screen_layout.h"

namespace assets::vexilo {
namespace {

// A raised flag laid out for the left half of the tile; right-hand flags mirror it.
// The pole ends inside the frame, and the cloth stays clear of the flag map below it.
const Pose kTilePose{{0, 0}, {34, 36}, {25, 8}, 15, {-19, 1}};

// Four small squares placed as the flags are: upper pair above, left pair on the left.
void DrawFlagMap(platform::Image& image, int flag, const Place& at) {
  for (int k = 1; k <= 4; ++k) {
    bool right = k == 2 || k == 4, lower = k >= 3;
    // The map is drawn through the mirroring place, so the right column comes first here.
    float x = at.mirrored == right ? 6.5f : 14.5f, y = lower ? 39 : 31;
    Point a = at({x, y}), b = at({x + 6.5f, y + 6.5f});
    Shape cell = RoundedRect(std::min(a.x, b.x), a.y, std::max(a.x, b.x), b.y, 2);
    if (k == flag) {
      Fill(image, Grown(cell, 1.3f), kInk);
      Fill(image, cell, StyleOf(k).cloth);
    } else {
      Fill(image, cell, 0x40203A70);
    }
  }
}

}  // namespace

platform::Image DrawInstructionPicture(const platform::Image& background, int flag) {
  platform::Image tile = Crop(background, kSlotX, SlotY(flag), kSlotSize, kSlotSize);
  const FlagStyle& style = StyleOf(flag);
  Shape plate = RoundedRect(1.5f, 1.5f, kSlotSize - 1.5f, kSlotSize - 1.5f, 9);
  Fill(tile, Grown(plate, 1.2f), kInk);
  Fill(tile, plate, style.cloth);
  Shape inside = Grown(plate, -2.5f);
  Fill(tile, inside, VerticalGradient(4, 0xFFFFFFFF, kSlotSize - 4, style.light));
  Place at{0, 0, 1, flag == 2 || flag == 4, kSlotSize / 2.0f};
  DrawPoleAndCloth(tile, flag, kTilePose, at);
  DrawFlagMap(tile, flag, at);
  return tile;
}

}  // namespace assets::vexilo
