#pragma once
#include <vector>

#include "assets/common/canvas.h"

// Outlines of the crafts, drawn on a 128-pixel square and scaled to the picture's size.
namespace assets::quenmark {

struct CraftCanvas {
  float scale = 1;  // picture pixels per design pixel

  Point P(float x, float y) const { return {x * scale, y * scale}; }
  float L(float length) const { return length * scale; }
  // A shape symmetric about the square's middle column: its right half's points, top to
  // bottom, mirrored into the left half.
  Shape Mirrored(const std::vector<Point>& rightHalf) const;
  // The points as given, and mirrored about the middle column, as two separate shapes.
  Shape Right(const std::vector<Point>& points) const;
  Shape Left(const std::vector<Point>& points) const;
};

constexpr float kDesignSize = 128;

}  // namespace assets::quenmark
