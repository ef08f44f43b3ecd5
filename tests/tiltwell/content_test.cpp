// The maze game's pictures as the asset maker made them, read back through the platform's
// loader: their sizes, the ball's round edge, the time strip's cells, and the tile sheet's
// layout that the stage data refers to by column and row.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "platform/image.h"

namespace {

const std::string kGameFolder = std::string(GAMES_LAYOUT_DIR) + "/tiltwell/";
constexpr int kCell = 32;

platform::Image Load(const std::string& path) {
  platform::Image image;
  EXPECT_TRUE(platform::LoadImageFile(kGameFolder + path, image)) << path << " does not load";
  return image;
}

int Alpha(uint32_t pixel) { return int(pixel >> 24); }

struct Area {
  int x, y, width, height;
};

// How many pixels of the area have any alpha, and how many are fully opaque.
std::pair<int, int> InkedAndOpaque(const platform::Image& image, Area a) {
  int inked = 0, opaque = 0;
  for (int y = a.y; y < a.y + a.height; ++y)
    for (int x = a.x; x < a.x + a.width; ++x) {
      inked += Alpha(image.at(x, y)) > 0;
      opaque += Alpha(image.at(x, y)) == 255;
    }
  return {inked, opaque};
}

// Mean difference per channel between two same-sized areas.
double MeanDifference(const platform::Image& image, Area a, Area b) {
  long sum = 0;
  for (int y = 0; y < a.height; ++y)
    for (int x = 0; x < a.width; ++x) {
      uint32_t p = image.at(a.x + x, a.y + y), q = image.at(b.x + x, b.y + y);
      for (int shift = 0; shift < 32; shift += 8) sum += std::abs(int((p >> shift) & 255) - int((q >> shift) & 255));
    }
  return double(sum) / (4.0 * a.width * a.height);
}

// How many pixels differ clearly (by more than a quarter of the range in some channel).
int ChangedPixels(const platform::Image& image, Area a, Area b) {
  int changed = 0;
  for (int y = 0; y < a.height; ++y)
    for (int x = 0; x < a.width; ++x) {
      uint32_t p = image.at(a.x + x, a.y + y), q = image.at(b.x + x, b.y + y);
      bool differs = false;
      for (int shift = 0; shift < 32; shift += 8) differs |= std::abs(int((p >> shift) & 255) - int((q >> shift) & 255)) > 64;
      changed += differs;
    }
  return changed;
}

Area Cell(int column, int row) { return {column * kCell, row * kCell, kCell, kCell}; }

// The cells the stage data names, by row: how many columns each row fills from the left.
constexpr int kNamedColumns[16] = {5, 4, 3, 8, 4, 4, 4, 2, 0, 0, 0, 0, 0, 0, 0, 0};

TEST(TiltwellContent, EveryPictureLoadsAtItsSizeAndTheScreensAreOpaque) {
  const std::pair<const char*, std::pair<int, int>> sizes[] = {
      {"img/title.png", {640, 480}}, {"img/pl.png", {32, 32}}, {"img/time.dds", {256, 32}},
      {"stages/tiles.png", {512, 512}}, {"stages/back.png", {640, 480}}};
  for (const auto& [path, size] : sizes) {
    platform::Image image = Load(path);
    EXPECT_EQ(image.width, size.first) << path;
    EXPECT_EQ(image.height, size.second) << path;
  }
  for (const char* screen : {"img/title.png", "stages/back.png"}) {
    platform::Image image = Load(screen);
    EXPECT_EQ(InkedAndOpaque(image, {0, 0, image.width, image.height}).second, image.width * image.height)
        << screen << " has see-through pixels";
  }
}

TEST(TiltwellContent, TheBallIsRoundOnATransparentSquare) {
  platform::Image ball = Load("img/pl.png");
  ASSERT_EQ(ball.width, 32);
  for (Area corner : {Area{0, 0, 4, 4}, Area{28, 0, 4, 4}, Area{0, 28, 4, 4}, Area{28, 28, 4, 4}})
    EXPECT_EQ(InkedAndOpaque(ball, corner).first, 0) << "a corner of the ball's square is not transparent";
  EXPECT_EQ(InkedAndOpaque(ball, {8, 8, 16, 16}).second, 16 * 16) << "the middle of the ball is not opaque";
}

TEST(TiltwellContent, TheTimeStripHoldsItsLabelAndTenDistinctDigitsEachInsideItsCell) {
  platform::Image time = Load("img/time.dds");
  ASSERT_EQ(time.width, 256);
  EXPECT_GT(InkedAndOpaque(time, {0, 0, 64, 32}).second, 100) << "the label is (nearly) empty";
  EXPECT_EQ(InkedAndOpaque(time, {64, 0, 32, 32}).first, 0) << "ink between the label and the digits";
  for (int d = 0; d <= 9; ++d) {
    const int left = 96 + 16 * d;
    EXPECT_GT(InkedAndOpaque(time, {left, 0, 16, 32}).second, 40) << "digit " << d << " is (nearly) empty";
    // The game samples between texels: ink on a cell's outer columns would show in the next digit.
    EXPECT_EQ(InkedAndOpaque(time, {left, 0, 1, 32}).first + InkedAndOpaque(time, {left + 15, 0, 1, 32}).first, 0)
        << "digit " << d << " touches its cell's sides";
    for (int e = 0; e < d; ++e)
      EXPECT_GT(MeanDifference(time, {left, 0, 16, 32}, {96 + 16 * e, 0, 16, 32}), 5) << "digits " << e << " and " << d;
  }
}

TEST(TiltwellContent, EveryNamedTileIsOpaqueAndEveryOtherCellTransparent) {
  platform::Image sheet = Load("stages/tiles.png");
  ASSERT_EQ(sheet.width, 512);
  for (int row = 0; row < 16; ++row)
    for (int column = 0; column < 16; ++column) {
      auto [inked, opaque] = InkedAndOpaque(sheet, Cell(column, row));
      if (column < kNamedColumns[row])
        EXPECT_EQ(opaque, kCell * kCell) << "tile (" << column << ", " << row << ") is missing or see-through";
      else
        EXPECT_EQ(inked, 0) << "cell (" << column << ", " << row << ") should be empty";
    }
}

TEST(TiltwellContent, EachFloorJoinsItselfWithoutAVisibleSeam) {
  platform::Image sheet = Load("stages/tiles.png");
  ASSERT_EQ(sheet.width, 512);
  for (int floor = 0; floor < 5; ++floor) {
    const int left = floor * kCell;
    // Across the join (last column next to the first) against two neighbours inside the cell,
    // away from the planks' gaps and joints.
    double join = MeanDifference(sheet, {left + 31, 0, 1, kCell}, {left, 0, 1, kCell});
    double inside = MeanDifference(sheet, {left + 20, 0, 1, kCell}, {left + 21, 0, 1, kCell});
    double joinDown = MeanDifference(sheet, {left, 31, kCell, 1}, {left, 0, kCell, 1});
    double insideDown = MeanDifference(sheet, {left, 11, kCell, 1}, {left, 12, kCell, 1});
    EXPECT_LT(join, 2 * inside + 6) << "floor " << floor << " shows a seam between cells side by side";
    EXPECT_LT(joinDown, 2 * insideDown + 6) << "floor " << floor << " shows a seam between cells one above the other";
  }
}

TEST(TiltwellContent, PushArrowsPointRightThenTurnClockwiseByAnEighth) {
  platform::Image sheet = Load("stages/tiles.png");
  ASSERT_EQ(sheet.width, 512);
  for (int column = 0; column < 8; ++column) {
    // The bright chevrons sit forward of the middle, so their centre shows the direction.
    double sumX = 0, sumY = 0;
    int bright = 0;
    for (int y = 0; y < kCell; ++y)
      for (int x = 0; x < kCell; ++x) {
        uint32_t p = sheet.at(column * kCell + x, 3 * kCell + y);
        if (((p >> 16) & 255) > 200 && ((p >> 8) & 255) > 140 && (p & 255) < 150) {
          sumX += x + 0.5 - kCell / 2.0;
          sumY += y + 0.5 - kCell / 2.0;
          ++bright;
        }
      }
    ASSERT_GT(bright, 30) << "arrow " << column << " has no bright chevrons";
    const double pi = std::acos(-1.0);
    double angle = std::atan2(sumY, sumX) * 180 / pi;  // +y is down: clockwise on the screen
    double off = std::remainder(angle - 45.0 * column, 360.0);
    EXPECT_LT(std::fabs(off), 20) << "arrow " << column << " points at " << angle << " degrees";
  }
}

TEST(TiltwellContent, SwitchesAndGatesLookDifferentInEveryState) {
  platform::Image sheet = Load("stages/tiles.png");
  ASSERT_EQ(sheet.width, 512);
  // A pip is a dozen pixels or so; a state change of a whole switch or gate many more.
  for (int presses = 0; presses < 4; ++presses) {
    EXPECT_GT(ChangedPixels(sheet, Cell(presses, 4), Cell(presses, 5)), 40)
        << "the switch with " << presses << " presses left looks the same lit and unlit";
    for (int fewer = 0; fewer < presses; ++fewer)
      EXPECT_GT(ChangedPixels(sheet, Cell(presses, 4), Cell(fewer, 4)), 8)
          << "switches with " << fewer << " and " << presses << " presses left look the same";
  }
  EXPECT_GT(ChangedPixels(sheet, Cell(0, 6), Cell(1, 6)), 150) << "the first gate looks the same open and closed";
  EXPECT_GT(ChangedPixels(sheet, Cell(2, 6), Cell(3, 6)), 150) << "the second gate looks the same open and closed";
  EXPECT_GT(ChangedPixels(sheet, Cell(0, 6), Cell(2, 6)), 150) << "the two gates' colours look the same";
}

}  // namespace
