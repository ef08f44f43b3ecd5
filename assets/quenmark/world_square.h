#pragma once
#include "assets/common/canvas.h"

// The game draws every picture on a square of world units centred on a sprite's position
// (+y down the screen). A WorldSquare maps world points onto the picture's pixels, so that
// lettering and frames can be placed where the game's rows and menu items will be.
namespace assets::quenmark {

struct WorldSquare {
  float centreX = 0, centreY = 0;
  float side = 8;  // world units: 8 x the sprite's scale
  int pixels = 64;

  float PixelsPerUnit() const { return float(pixels) / side; }
  float Pixels(float units) const { return units * PixelsPerUnit(); }
  Point ToPixel(float x, float y) const {
    return {(x - centreX + side / 2) * PixelsPerUnit(), (y - centreY + side / 2) * PixelsPerUnit()};
  }
  float PixelX(float x) const { return ToPixel(x, centreY).x; }
  float PixelY(float y) const { return ToPixel(centreX, y).y; }
};

}  // namespace assets::quenmark
