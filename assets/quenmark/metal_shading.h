#pragma once
#include "assets/common/canvas.h"
#include "platform/image.h"

// Raised plates lit from the upper left, the one light every craft and gem of the game shares.
namespace assets::quenmark {

// Fills the shape with `paint`, its rim within `bevel` pixels of the edge sloping away: the side
// that faces the light is brightened towards white, the far side darkened. `strength` 0..1.
void FillBevelled(platform::Image& image, const Shape& shape, const Paint& paint, float bevel, float strength = 0.6f);

// How much a surface facing the outward direction (nx, ny) (unit length) faces the light:
// 1 towards it, -1 away.
float Facing(float nx, float ny);

}  // namespace assets::quenmark
