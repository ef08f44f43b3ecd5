#pragma once

// Where the game writes on the side bar, in world units (+y down), and where the bar stands.
namespace assets::quenmark {

// The bar's square: centred at (187, 0), 8 x 30.8 units on a side.
constexpr float kSideBarX = 187, kSideBarY = 0, kSideBarSide = 246.4f;

// Rows of characters of the text sheet: the first character's centre, the step to the next,
// the size of each character's square, and how many the row holds.
struct TextRow {
  float x, y, step, size;
  int characters;
};
constexpr TextRow kHiScoreRow{80, -90, 8.25f, 12, 9};
constexpr TextRow kScoreRow{80, -55, 8.25f, 12, 9};
constexpr TextRow kPowerRow{80, 10, 11, 16, 3};
// The life icons: the first one's centre, the step, and the size of each square.
constexpr float kLifeX = 80, kLifeY = -20, kLifeStep = 16.5f, kLifeSize = 24;

// Labels start here; on a 4:3 screen the bar shows up to about x 165.
constexpr float kLabelLeft = 72;
constexpr float kReadableRight = 160;

}  // namespace assets::quenmark
