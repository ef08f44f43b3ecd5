#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>

#include "assets/common/canvas.h"
#include "platform/image.h"

// Painting small round sprites by a function of the position on their square.
namespace assets::quenmark {

// A colour stop of a ramp: position 0..1 (from the centre outwards) and its colour.
struct Stop {
  float at;
  uint32_t argb;
};

// The ramp's colour at r, mixed between the stops around it and held beyond the ends.
template <size_t N>
uint32_t Ramp(const Stop (&stops)[N], float r) {
  if (r <= stops[0].at) return stops[0].argb;
  for (size_t i = 1; i < N; ++i)
    if (r <= stops[i].at)
      return MixColor(stops[i - 1].argb, stops[i].argb, (r - stops[i - 1].at) / (stops[i].at - stops[i - 1].at));
  return stops[N - 1].argb;
}

// A square picture of `size` texels whose texels are paint(u, v), u and v running from -1 to 1
// across it (v down), averaged over four points per texel so that rings have smooth edges.
platform::Image PaintSquare(int size, const std::function<uint32_t(float u, float v)>& paint);

}  // namespace assets::quenmark
