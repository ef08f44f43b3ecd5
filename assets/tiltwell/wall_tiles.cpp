#include "assets/tiltwell/wall_tiles.h"

#include <cmath>

#include "assets/common/canvas.h"
#include "assets/tiltwell/floor_tiles.h"
#include "assets/tiltwell/relief.h"
#include "assets/tiltwell/surface_noise.h"

namespace assets::tiltwell {
namespace {

// A light sandstone block with a wide chamfer on every side, set in dark mortar.
void StoneBlock(platform::Image& cell) {
  PaintCell(cell, [](float, float) { return 0xFF37322Cu; });
  Relief relief{Profile::Bevel, 5, 0.8f, 16, 0.12f};
  FillRaised(cell, RoundedRect(1, 1, 31, 31, 2.5f), [](float x, float y) {
    float mottle = RepeatingFbm(x + 7, y + 3, 3, 4, kCell, 61);
    float pits = Hash01(int(x), int(y), 62) > 0.93f ? 0.88f : 1.0f;
    return Scaled(MixColor(0xFFA09480, 0xFFB6AB94, mottle), (0.9f + 0.16f * mottle) * pits);
  }, relief);
}

// A glossy red-orange bumper on a dark footing.
void RubberBumper(platform::Image& cell) {
  PaintCell(cell, [](float, float) { return 0xFF2E2A28u; });
  Fill(cell, RoundedRect(1.5f, 2.5f, 31, 31.5f, 8), 0xFF161312);  // its shadow on the footing
  Relief relief{Profile::Pillow, 9, 1.5f, 28, 0.65f};
  FillRaised(cell, RoundedRect(2, 2, 30, 30, 8), VerticalGradient(2, 0xFFF26A36, 30, 0xFFC83A1E), relief);
}

// A soft purple cushion, buttoned in the middle with creases running to its corners.
void Cushion(platform::Image& cell) {
  PaintCell(cell, [](float, float) { return 0xFF2E2238u; });
  Relief relief{Profile::Pillow, 11, 1.2f, 8, 0.12f};
  FillRaised(cell, RoundedRect(1.5f, 1.5f, 30.5f, 30.5f, 7), [](float x, float y) {
    float weave = 0.5f + 0.5f * std::sin(kPi * x) * std::sin(kPi * y);
    return Scaled(0xFF8E6BB0, 0.95f + 0.07f * weave + 0.06f * (Hash01(int(x), int(y), 71) - 0.5f));
  }, relief);
  for (Point corner : {Point{5, 5}, Point{27, 5}, Point{27, 27}, Point{5, 27}})
    Fill(cell, Segment({16, 16}, corner, 0.8f), 0x50200C30);
  Fill(cell, Circle({16, 16}, 3.2f), 0x70200C30);
  FillRaised(cell, Circle({16, 16}, 2), Solid(0xFF7A5A9C), {Profile::Dome, 2, 1, 20, 0.4f});
}

// A brushed steel plate with a riveted rim.
void SteelPlate(platform::Image& cell) {
  PaintCell(cell, [](float, float) { return 0xFF22252Au; });
  Relief plate{Profile::Bevel, 4, 1.3f, 40, 0.45f};
  FillRaised(cell, RoundedRect(1, 1, 31, 31, 2), [](float x, float y) {
    float brushed = RepeatingNoise(x * 0.25f, y * 2, 8, kCell, 81);
    float sheen = 0.5f + 0.5f * std::sin(2 * kPi * (x - y) / 48 + 0.6f);
    return Scaled(0xFF98A2AE, 0.86f + 0.1f * brushed + 0.14f * sheen);
  }, plate);
  Relief rivet{Profile::Dome, 2, 1, 30, 0.7f};
  for (Point p : {Point{7, 7}, Point{25, 7}, Point{25, 25}, Point{7, 25}}) {
    Fill(cell, Circle({p.x + 0.6f, p.y + 0.8f}, 2.2f), 0x60000000);
    FillRaised(cell, Circle(p, 2), Solid(0xFFA8B2BE), rivet);
  }
}

}  // namespace

platform::Image WallTile(Wall wall) {
  platform::Image cell(kCell, kCell);
  switch (wall) {
    case Wall::Stone: StoneBlock(cell); break;
    case Wall::Rubber: RubberBumper(cell); break;
    case Wall::Cushion: Cushion(cell); break;
    case Wall::Steel: SteelPlate(cell); break;
  }
  return cell;
}

}  // namespace assets::tiltwell
