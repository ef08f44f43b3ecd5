#include "assets/tiltwell/projected_picture.h"

#include <algorithm>
#include <cmath>

namespace assets::tiltwell {
namespace {

// The projective map from the unit square to the four corners, and its inverse: a plane
// seen in perspective is exactly such a map.
struct Homography {
  float m[9];
  Point Apply(float x, float y) const {
    float w = m[6] * x + m[7] * y + m[8];
    return {(m[0] * x + m[1] * y + m[2]) / w, (m[3] * x + m[4] * y + m[5]) / w};
  }
};

Homography SquareToQuad(const Point q[4]) {
  float dx1 = q[1].x - q[2].x, dx2 = q[3].x - q[2].x, dx3 = q[0].x - q[1].x + q[2].x - q[3].x;
  float dy1 = q[1].y - q[2].y, dy2 = q[3].y - q[2].y, dy3 = q[0].y - q[1].y + q[2].y - q[3].y;
  float det = dx1 * dy2 - dx2 * dy1;
  float g = (dx3 * dy2 - dx2 * dy3) / det, h = (dx1 * dy3 - dx3 * dy1) / det;
  return {{q[1].x - q[0].x + g * q[1].x, q[3].x - q[0].x + h * q[3].x, q[0].x,
           q[1].y - q[0].y + g * q[1].y, q[3].y - q[0].y + h * q[3].y, q[0].y, g, h, 1}};
}

Homography Inverse(const Homography& h) {
  const float* a = h.m;
  Homography inv{{a[4] * a[8] - a[5] * a[7], a[2] * a[7] - a[1] * a[8], a[1] * a[5] - a[2] * a[4],
                  a[5] * a[6] - a[3] * a[8], a[0] * a[8] - a[2] * a[6], a[2] * a[3] - a[0] * a[5],
                  a[3] * a[7] - a[4] * a[6], a[1] * a[6] - a[0] * a[7], a[0] * a[4] - a[1] * a[3]}};
  return inv;  // a multiple of the inverse, which maps points all the same
}

// Bilinear sample, premultiplied; (x, y) in pixels of the picture, pixel centres at .5.
void Sample(const platform::Image& image, float x, float y, float rgba[4]) {
  x = std::clamp(x - 0.5f, 0.0f, image.width - 1.0f);
  y = std::clamp(y - 0.5f, 0.0f, image.height - 1.0f);
  int x0 = int(x), y0 = int(y);
  int x1 = std::min(x0 + 1, image.width - 1), y1 = std::min(y0 + 1, image.height - 1);
  float tx = x - x0, ty = y - y0;
  const uint32_t p[4] = {image.at(x0, y0), image.at(x1, y0), image.at(x0, y1), image.at(x1, y1)};
  const float w[4] = {(1 - tx) * (1 - ty), tx * (1 - ty), (1 - tx) * ty, tx * ty};
  for (int c = 0; c < 4; ++c) rgba[c] = 0;
  for (int i = 0; i < 4; ++i) {
    float a = float(p[i] >> 24) / 255.0f * w[i];
    rgba[0] += float((p[i] >> 16) & 255) * a;
    rgba[1] += float((p[i] >> 8) & 255) * a;
    rgba[2] += float(p[i] & 255) * a;
    rgba[3] += a;
  }
}

}  // namespace

void DrawProjected(platform::Image& target, const platform::Image& flat, const Point corners[4]) {
  const Homography toPicture = Inverse(SquareToQuad(corners));
  float left = corners[0].x, right = left, top = corners[0].y, bottom = top;
  for (int i = 1; i < 4; ++i) {
    left = std::min(left, corners[i].x);
    right = std::max(right, corners[i].x);
    top = std::min(top, corners[i].y);
    bottom = std::max(bottom, corners[i].y);
  }
  const int grid = 3;  // samples per pixel each way, for smooth edges and less shimmer
  for (int y = std::max(0, int(top)); y < std::min(target.height, int(bottom) + 1); ++y)
    for (int x = std::max(0, int(left)); x < std::min(target.width, int(right) + 1); ++x) {
      float sum[4] = {0, 0, 0, 0};
      for (int sy = 0; sy < grid; ++sy)
        for (int sx = 0; sx < grid; ++sx) {
          Point uv = toPicture.Apply(x + (sx + 0.5f) / grid, y + (sy + 0.5f) / grid);
          if (uv.x < 0 || uv.x > 1 || uv.y < 0 || uv.y > 1) continue;
          float rgba[4];
          Sample(flat, uv.x * flat.width, uv.y * flat.height, rgba);
          for (int c = 0; c < 4; ++c) sum[c] += rgba[c];
        }
      float alpha = sum[3] / (grid * grid);
      if (alpha <= 0) continue;
      uint32_t colour = 0xFF000000u | uint32_t(std::lround(sum[0] / sum[3])) << 16 |
                        uint32_t(std::lround(sum[1] / sum[3])) << 8 | uint32_t(std::lround(sum[2] / sum[3]));
      BlendPixel(target, x, y, colour, alpha);
    }
}

}  // namespace assets::tiltwell
