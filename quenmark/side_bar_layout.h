#pragma once

// Where the side bar stands and where the game writes on it, in world units (+y down): the
// centre of a row's first character or icon, and the scale of its sprites. A sprite's square is
// 8 units on a side at scale 1. The asset maker prints the bar's labels from the same numbers.
namespace side_bar {

struct Row {
  float x, y, scale;
};

constexpr float kSpriteSide = 8;        // a sprite's square at scale 1
constexpr float kCharacterStep = 5.5f;  // units between characters (and icons), per unit of scale

constexpr Row kBar{187, 0, 30.8f};
constexpr Row kHiScore{80, -90, 1.5f};
constexpr Row kScore{80, -55, 1.5f};
constexpr Row kLives{80, -20, 3.0f};
constexpr Row kPower{80, 10, 2.0f};

}  // namespace side_bar
