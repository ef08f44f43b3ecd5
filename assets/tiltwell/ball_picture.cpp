#include "assets/tiltwell/ball_picture.h"

#include <algorithm>
#include <cmath>

#include "assets/common/canvas.h"

namespace assets::tiltwell {
namespace {

float SmoothStep(float e0, float e1, float v) {
  float t = std::clamp((v - e0) / (e1 - e0), 0.0f, 1.0f);
  return t * t * (3 - 2 * t);
}

// Polished steel mirrors a pale sky over its upper part and the dark board under a sharp
// horizon a little below its middle, lighter again towards its lower rim where light bounces.
uint32_t Mirrored(float nx, float ny) {
  float h = ny + 0.18f * nx - 0.3f;  // leaning slightly, as on a tilted board
  uint32_t sky = MixColor(0xFFF2F6FA, 0xFF6F8CB4, SmoothStep(-0.05f, -1.0f, h));
  uint32_t ground = MixColor(0xFF4A4440, 0xFFB4A490, SmoothStep(0.0f, 0.7f, h));
  return MixColor(sky, ground, SmoothStep(-0.06f, 0.06f, h));
}

}  // namespace

platform::Image RenderBall(int size) {
  platform::Image ball(size, size, 0x00000000);
  const float centre = size / 2.0f, radius = size / 2.0f - 0.5f;
  const float hx = -0.32f, hy = -0.42f, hz = 0.85f;  // halfway between the light and the eye
  // A fixed number of samples across the ball, so a large title ball and the small one match.
  const int grid = 4;
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      float r = 0, g = 0, b = 0, covered = 0;
      for (int sy = 0; sy < grid; ++sy)
        for (int sx = 0; sx < grid; ++sx) {
          float nx = (x + (sx + 0.5f) / grid - centre) / radius, ny = (y + (sy + 0.5f) / grid - centre) / radius;
          float d2 = nx * nx + ny * ny;
          if (d2 >= 1) continue;
          float nz = std::sqrt(1 - d2);
          uint32_t colour = Mirrored(nx, ny);
          // Darker towards the rim, where the steel turns away; a crisp highlight up left.
          colour = MixColor(0xFF14161C, colour, 0.35f + 0.65f * std::pow(nz, 0.5f));
          float gleam = std::pow(std::max(nx * hx + ny * hy + nz * hz, 0.0f), 60.0f);
          colour = MixColor(colour, 0xFFFFFFFF, std::min(gleam * 1.3f, 1.0f));
          r += float((colour >> 16) & 255);
          g += float((colour >> 8) & 255);
          b += float(colour & 255);
          covered += 1;
        }
      if (covered == 0) continue;
      ball.at(x, y) = uint32_t(std::lround(covered * 255 / (grid * grid))) << 24 | uint32_t(std::lround(r / covered)) << 16 |
                      uint32_t(std::lround(g / covered)) << 8 | uint32_t(std::lround(b / covered));
    }
  return ball;
}

}  // namespace assets::tiltwell
