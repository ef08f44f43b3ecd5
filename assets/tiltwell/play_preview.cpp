#include "assets/tiltwell/play_preview.h"

#include <string>
#include <vector>

#include "assets/common/canvas.h"
#include "assets/tiltwell/floor_tiles.h"
#include "assets/tiltwell/sample_maze.h"

namespace assets::tiltwell {
namespace {

// The maze's top-left on the screen: the ball at (320, 240) then rests on the middle of the
// cell in column 6, row 5, and the table shows beyond the maze's top and left.
constexpr int kMazeLeft = 112, kMazeTop = 64;

// A part of the picture stretched onto a w x h area, as a textured quad draws it.
void DrawStretched(platform::Image& screen, const platform::Image& picture, int sx, int sy, int sw, int sh, int x, int y,
                   int w, int h) {
  platform::Image part(sw, sh);
  for (int j = 0; j < sh; ++j)
    for (int i = 0; i < sw; ++i) part.at(i, j) = picture.at(sx + i, sy + j);
  DrawImage(screen, platform::ResizeImage(part, w, h), x, y);
}

}  // namespace

platform::Image RenderPlayPreview(const GamePictures& p) {
  platform::Image screen = p.background;
  const platform::Image maze = DrawMaze(p.tileSheet, PreviewMaze());
  // The game shows a cell's texels from one in from each edge: 30 of them on 32 pixels.
  for (int r = 0; r < maze.height / kCell; ++r)
    for (int c = 0; c < maze.width / kCell; ++c)
      DrawStretched(screen, maze, c * kCell + 1, r * kCell + 1, kCell - 2, kCell - 2, kMazeLeft + c * kCell,
                    kMazeTop + r * kCell, kCell, kCell);
  DrawStretched(screen, p.ball, 0, 0, p.ball.width, p.ball.height, 308, 228, 25, 25);
  DrawStretched(screen, p.time, 0, 0, 64, 32, 320, 400, 64, 32);
  const int shown[3] = {0, 4, 7};
  for (int i = 0; i < 3; ++i) DrawStretched(screen, p.time, 96 + 16 * shown[i], 0, 16, 32, 400 + 16 * i, 400, 16, 32);
  return screen;
}

}  // namespace assets::tiltwell
