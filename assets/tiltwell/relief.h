#pragma once
#include <cstdint>

#include "assets/common/canvas.h"
#include "platform/image.h"

// Shading of raised and sunken shapes under the one light every picture of the maze game shares:
// from the top-left and somewhat above, so that walls, buttons and the ball read alike.
namespace assets::tiltwell {

struct Light {
  float diffuse = 1;   // 1 on a flat surface; more where it faces the light, less away
  float specular = 0;  // 0..1, the gleam
};

// The light on a surface that falls away in the direction (outX, outY) (unit length) with
// `slope` (0 flat, 1 at 45 degrees; negative where it rises, as in a recess).
Light LightOn(float outX, float outY, float slope, float shininess);
// The colour scaled by the light's diffuse and brightened towards white by its specular.
uint32_t Lit(uint32_t argb, Light light, float specularStrength);
// Red, green and blue times k, clamped; alpha kept.
uint32_t Scaled(uint32_t argb, float k);
uint32_t WithAlpha(uint32_t argb, float alpha);

// How a raised shape's surface falls off over the `ramp` pixels inside its edge.
enum class Profile {
  Bevel,   // a flat chamfer, then a flat top
  Pillow,  // rounded, steepest at the edge
  Dome,    // a quarter circle: a button, a ball
};

struct Relief {
  Profile profile = Profile::Bevel;
  float ramp = 3;        // pixels
  float steepness = 1;   // slope at the edge; negative for a recess
  float shininess = 24;
  float specular = 0.3f;
};

// Fills the shape with the paint, lit as a surface of that relief.
void FillRaised(platform::Image& image, const Shape& shape, const Paint& paint, const Relief& relief);
// Calls paint(x, y) for the centre of every pixel of the 32 x 32 cell and stores what it returns.
template <typename F>
void PaintCell(platform::Image& cell, F paint) {
  for (int y = 0; y < cell.height; ++y)
    for (int x = 0; x < cell.width; ++x) cell.at(x, y) = paint(x + 0.5f, y + 0.5f);
}

}  // namespace assets::tiltwell
