#include "assets/tiltwell/gate_tiles.h"

#include "assets/common/canvas.h"
#include "assets/tiltwell/floor_tiles.h"
#include "assets/tiltwell/relief.h"

namespace assets::tiltwell {
namespace {

constexpr float kBars[] = {8.5f, 13.5f, 18.5f, 23.5f};  // centres of the upright bars
constexpr float kRails[] = {10.5f, 21.5f};              // centres of the crossing rails
constexpr float kBarHalf = 1.9f;

uint32_t Base(GateColour colour) { return colour == GateColour::Blue ? 0xFF2E6CE0 : 0xFF2AA64A; }

// The frame: a coloured band around the cell with a post at each corner.
void Frame(platform::Image& cell, uint32_t colour, bool open) {
  Relief band{Profile::Bevel, 1.2f, 1, 24, 0.35f};
  Shape outer = RoundedRect(1.5f, 1.5f, 30.5f, 30.5f, 2);
  Shape inner = RoundedRect(4.5f, 4.5f, 27.5f, 27.5f, 1);
  if (open) Fill(cell, Difference(Grown(outer, 0.5f), Grown(inner, 1.2f)), 0x60000000);  // its shadow
  FillRaised(cell, Difference(outer, inner), Solid(Scaled(colour, 0.75f)), band);
  Relief post{Profile::Bevel, 1.6f, 1.2f, 30, 0.5f};
  for (float x : {1.5f, 23.5f})
    for (float y : {1.5f, 23.5f}) FillRaised(cell, RoundedRect(x, y, x + 7, y + 7, 1.5f), Solid(colour), post);
}

void ClosedGrille(platform::Image& cell, uint32_t colour) {
  // The floor behind the bars lies in their shadow.
  Fill(cell, RoundedRect(4.5f, 4.5f, 27.5f, 27.5f, 1), 0x80000000);
  for (float y : kRails) {
    Fill(cell, RoundedRect(4, y - 1.5f, 29, y + 2.5f, 1), 0x80000000);
    FillRaised(cell, RoundedRect(4, y - 2, 28, y + 2, 1), Solid(Scaled(colour, 0.8f)), {Profile::Bevel, 1, 1, 24, 0.3f});
  }
  const uint32_t light = MixColor(colour, 0xFFFFFFFF, 0.3f);
  for (float x : kBars) {
    Fill(cell, RoundedRect(x - kBarHalf + 1, 4.5f, x + kBarHalf + 1.2f, 29, kBarHalf), 0x90000000);
    FillRaised(cell, RoundedRect(x - kBarHalf, 3.5f, x + kBarHalf, 28.5f, kBarHalf), Solid(light),
               {Profile::Dome, kBarHalf, 1, 30, 0.6f});
  }
}

// Where the bars went: dark slots along the top and bottom of the frame.
void OpenSlots(platform::Image& cell) {
  for (float x : kBars) {
    Fill(cell, RoundedRect(x - 1.6f, 5, x + 1.6f, 7.5f, 0.8f), 0xC0101014);
    Fill(cell, RoundedRect(x - 1.6f, 24.5f, x + 1.6f, 27, 0.8f), 0xC0101014);
  }
}

}  // namespace

platform::Image GateTile(GateColour colour, bool open) {
  platform::Image cell = FloorTile(Floor::Stone);
  const uint32_t base = Base(colour);
  if (open) {
    OpenSlots(cell);
    Frame(cell, base, true);
  } else {
    Frame(cell, base, false);
    ClosedGrille(cell, base);
  }
  return cell;
}

}  // namespace assets::tiltwell
