#pragma once

#include "quenmark/side_bar_layout.h"

// Where the game writes on the side bar and where the bar stands, in world units (+y down),
// taken from the game's own layout so that the printed labels sit beside its rows.
namespace assets::quenmark {

// The bar's square, centred where the game places it.
constexpr float kSideBarX = side_bar::kBar.x, kSideBarY = side_bar::kBar.y;
constexpr float kSideBarSide = side_bar::kSpriteSide * side_bar::kBar.scale;

// Rows of characters of the text sheet: the first character's centre, the step to the next,
// the size of each character's square, and how many the row holds.
struct TextRow {
  float x, y, step, size;
  int characters;
};
constexpr TextRow RowOf(const side_bar::Row& row, int characters) {
  return {row.x, row.y, side_bar::kCharacterStep * row.scale, side_bar::kSpriteSide * row.scale, characters};
}
constexpr TextRow kHiScoreRow = RowOf(side_bar::kHiScore, 9);
constexpr TextRow kScoreRow = RowOf(side_bar::kScore, 9);
constexpr TextRow kPowerRow = RowOf(side_bar::kPower, 3);
// The life icons, placed as a row of three characters.
constexpr TextRow kLifeRow = RowOf(side_bar::kLives, 3);

// Labels start here; on a 4:3 screen the bar shows up to about x 165.
constexpr float kLabelLeft = 72;
constexpr float kReadableRight = 160;

}  // namespace assets::quenmark
