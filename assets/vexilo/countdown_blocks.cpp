#include "assets/vexilo/countdown_blocks.h"

#include <vector>

#include "assets/common/canvas.h"
#include "assets/vexilo/figure_place.h"
#include "assets/vexilo/raster_ops.h"
#include "platform/blit.h"
#include "assets/vexilo/screen_layout.h"

namespace assets::vexilo {
namespace {

struct BlockColors {
  uint32_t top, bottom;
};

// Cell 0 shows at countdown 4, cell 4 at countdown 0.
const BlockColors kTopBlocks[5] = {
    {0xFF6BE38A, 0xFF24B35A}, {0xFFC6EC5A, 0xFF8CC523}, {0xFFFFE066, 0xFFF5B800},
    {0xFFFFB366, 0xFFF27A1A}, {0xFFFF7A70, 0xFFE0302A},
};
const BlockColors kFiller{0xFFF4F8FF, 0xFFC3D5F5};

void DrawBlock(platform::Image& image, float top, const BlockColors& colors) {
  Shape block = RoundedRect(3, top + 3, kTimeCell - 3, top + kTimeCell - 3, 9);
  Fill(image, Grown(block, 1.5f), kInk);
  Fill(image, block, VerticalGradient(top + 3, colors.top, top + kTimeCell - 3, colors.bottom));
  Fill(image, Intersection(Grown(block, -2), Ellipse({kTimeCell / 2.0f, top + 8}, 15, 6)), 0x60FFFFFF);
}

// Eyes and a mouth that goes from a wide smile to an open "oh!" as time runs out.
void DrawFace(platform::Image& image, float top, int cell) {
  float eyeY = top + 17 + (cell == 4 ? -1 : 0);
  for (float x : {14.5f, 25.5f}) Fill(image, Ellipse({x, eyeY}, 2.4f, cell == 4 ? 3.4f : 2.9f), kInk);
  if (cell == 4) {
    Fill(image, Ellipse({20, top + 27}, 3.6f, 4.2f), kInk);
    Fill(image, Polygon({{31, top + 8}, {33.5f, top + 13}, {31, top + 15}, {28.5f, top + 13}}), 0xFF8FD3FF);
    return;
  }
  float bend = 4.5f - 2.6f * cell;  // positive smiles, negative frowns
  std::vector<Point> mouth;
  for (int i = 0; i <= 10; ++i) {
    float t = i / 10.0f * 2 - 1;
    mouth.push_back({20 + 6.5f * t, top + 25 + bend * (1 - t * t) - bend / 2});
  }
  Fill(image, Polyline(mouth, 1.3f), kInk);
}

}  // namespace

platform::Image DrawCountdownBlocks(const platform::Image& background) {
  platform::Image column(kTimeCell, kTimeCell * kTimeCells, 0xFFFFFFFF);
  for (int cell = 0; cell < kTimeCells; ++cell) {
    // The top block for countdown c lands at TimeBlockY(c); the filler's first place is
    // TimeBlockY(0), and the trough looks the same at every other place it lands.
    int countdown = cell < 5 ? 4 - cell : 0;
    platform::Blit(column, 0, cell * kTimeCell, kTimeCell, kTimeCell, background, kTimeX,
                   TimeBlockY(countdown), platform::RasterOp::Copy);
    float top = float(cell * kTimeCell);
    if (cell < 5) {
      DrawBlock(column, top, kTopBlocks[cell]);
      DrawFace(column, top, cell);
    } else {
      DrawBlock(column, top, kFiller);
    }
  }
  return column;
}

}  // namespace assets::vexilo
