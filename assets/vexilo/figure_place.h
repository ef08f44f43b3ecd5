#pragma once
#include "assets/common/canvas.h"
#include "assets/vexilo/screen_layout.h"

namespace assets::vexilo {

// Maps the figure's own coordinates (those of the game screen) onto a picture: moved, scaled
// and, for the right-hand flags, mirrored about the figure's axis. The title screen draws the
// same figure smaller through it.
struct Place {
  float x = 0, y = 0, scale = 1;
  bool mirrored = false;
  float axis = kFigureAxis;  // the vertical line mirroring turns about

  Point operator()(Point p) const {
    float px = mirrored ? 2 * axis - p.x : p.x;
    return {x + scale * px, y + scale * p.y};
  }
  float operator()(float length) const { return scale * length; }
  Place Mirrored() const {
    Place m = *this;
    m.mirrored = !mirrored;
    return m;
  }
};

// The figure's ink: outlines, pupils, the darkest details.
constexpr uint32_t kInk = 0xFF2B2D4A;

// Every part of the figure is filled and rimmed with ink, so parts in front stand apart from
// parts behind.
inline void Outlined(platform::Image& image, const Shape& shape, const Paint& paint, float line) {
  FillOutlined(image, shape, paint, line, kInk);
}

}  // namespace assets::vexilo
