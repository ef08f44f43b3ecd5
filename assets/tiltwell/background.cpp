#include "assets/tiltwell/background.h"

#include <algorithm>
#include <cmath>

#include "assets/common/canvas.h"
#include "assets/tiltwell/relief.h"
#include "assets/tiltwell/surface_noise.h"

namespace assets::tiltwell {
namespace {

constexpr int kPlank = 80;  // pixels across each board of the table, running down the screen

uint32_t TablePixel(float x, float y) {
  int plank = int(x / kPlank);
  float within = x - plank * kPlank;
  // Long grain: lines down the board, bent by slow noise, and each board its own shade.
  float warp = 14 * RepeatingFbm(x * 1.5f, y * 0.5f, 8, 2, kScreenWidth, 91 + plank);
  float grain = std::sin(2 * kPi * (within + warp) / 9 + plank * 1.7f);
  // How strongly the grain shows varies along the board, in long streaks.
  float streak = RepeatingFbm(x * 4, y * 0.3f, 8, 3, kScreenWidth, 95 + plank);
  float figure = RepeatingFbm(x * 3, y * 0.35f, 6, 3, kScreenWidth, 92 + plank);
  float tone = 0.86f + 0.24f * Hash01(plank, 0, 93);
  float k = tone * (0.9f + 0.09f * grain * streak + 0.22f * (figure - 0.5f) + 0.04f * (Hash01(int(x), int(y), 94) - 0.5f));
  if (within < 1.5f) k *= 0.45f;        // the joint between boards
  else if (within < 3) k *= 1.08f;      // the lit edge beside it
  // Light pooled on the middle of the table, the corners in shadow.
  float u = (x - kScreenWidth / 2.0f) / (kScreenWidth * 0.62f), v = (y - kScreenHeight / 2.0f) / (kScreenHeight * 0.62f);
  float vignette = std::clamp(1.05f - 0.55f * (u * u + v * v), 0.45f, 1.0f);
  return Scaled(0xFF4A3020, k * vignette);
}

}  // namespace

platform::Image RenderTableTop() {
  platform::Image table(kScreenWidth, kScreenHeight);
  for (int y = 0; y < kScreenHeight; ++y)
    for (int x = 0; x < kScreenWidth; ++x) table.at(x, y) = TablePixel(x + 0.5f, y + 0.5f);
  return table;
}

}  // namespace assets::tiltwell
