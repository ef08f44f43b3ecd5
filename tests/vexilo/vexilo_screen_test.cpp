// What the flag game paints: the masked sprites, the countdown column, digits and banners.
#include <gtest/gtest.h>

#include <set>

#include "platform/image.h"
#include "tests/support/offscreen.h"
#include "vexilo/game_screen.h"

namespace {

using platform::Image;
using testing_support::Hex;

constexpr uint32_t kSky = 0xFF336699;

// A sprite over the whole screen: colour inside the rectangle, transparent elsewhere.
Image Sprite(int x, int y, int w, int h, uint32_t colour) {
  Image sprite(800, 256, 0xFF000000);
  for (int j = 0; j < 256; ++j)
    for (int i = 0; i < 400; ++i) {
      bool inside = i >= x && i < x + w && j >= y && j < y + h;
      sprite.at(i, j) = inside ? colour : 0xFF000000;
      sprite.at(400 + i, j) = inside ? 0xFF000000 : 0xFFFFFFFF;
    }
  return sprite;
}

// A column of cells, each a colour of its own on white, in a stripe of the cell's middle
// (digit cells stand 20 pixels apart, overlapping: only their middles must not).
Image Cells(int count, int size, uint32_t base) {
  Image cells(size, size * count, 0xFFFFFFFF);
  for (int c = 0; c < count; ++c)
    for (int j = 4; j < size - 4; ++j)
      for (int i = size / 2 - 5; i < size / 2 + 5; ++i) cells.at(i, c * size + j) = base + uint32_t(c);
  return cells;
}

class Screen : public ::testing::Test {
 protected:
  Screen() : back(400, 256, 0xFF000000) {
    pictures.flagBack = Image(400, 256, kSky);
    record.state = GameRecord::kInstruction;
  }
  uint32_t Paint(int x, int y) {
    PaintGameScreen(record, pictures, back);
    return back.at(x, y) & 0xFFFFFF;
  }

  Pictures pictures;
  GameRecord record;
  Image back;
};

TEST_F(Screen, MaskCutsTheHoleAndThePictureFillsIt) {
  pictures.figure = Sprite(100, 100, 50, 50, 0xFFFF2000);
  EXPECT_EQ(Hex(Paint(120, 120)), Hex(0xFF2000));
  EXPECT_EQ(Hex(Paint(99, 120)), Hex(kSky & 0xFFFFFF));
  // Colour where the mask is white is ORed into the background, as the raster operation does.
  pictures.figure.at(10, 10) = 0xFF00FF00;
  EXPECT_EQ(Hex(Paint(10, 10)), Hex((kSky | 0x00FF00) & 0xFFFFFF));
}

TEST_F(Screen, FlagsAreDrawnUpOrDownThenTheFigureOverThem) {
  for (int k = 0; k < 4; ++k) {
    pictures.flagDown[k] = Sprite(80 + 60 * k, 200, 20, 20, 0xFF000010 + uint32_t(k));
    pictures.flagUp[k] = Sprite(80 + 60 * k, 100, 20, 20, 0xFF000020 + uint32_t(k));
  }
  pictures.figure = Sprite(140, 95, 10, 10, 0xFFABCDEF);  // over flag 2's raised place
  record.raised[1] = true;
  EXPECT_EQ(Hex(Paint(85, 205)), Hex(0x000010));
  EXPECT_EQ(Hex(Paint(85, 105)), Hex(kSky & 0xFFFFFF));
  EXPECT_EQ(Hex(Paint(155, 110)), Hex(0x000021));
  EXPECT_EQ(Hex(Paint(145, 100)), Hex(0xABCDEF));
  EXPECT_EQ(Hex(Paint(145, 205)), Hex(kSky & 0xFFFFFF)) << "flag 2 is not also down";
}

TEST_F(Screen, CountdownColumnShrinksFromTheTop) {
  pictures.time = Cells(6, 40, 0xFF100000);
  record.countdown = 2;
  // The top block for countdown 2 is cell 2, at y = 195 - 90; fillers below it.
  EXPECT_EQ(Hex(Paint(368, 120)), Hex(0x100002));
  EXPECT_EQ(Hex(Paint(368, 165)), Hex(0x100005));
  EXPECT_EQ(Hex(Paint(368, 210)), Hex(0x100005));
  EXPECT_EQ(Hex(Paint(368, 75)), Hex(kSky & 0xFFFFFF));
  record.countdown = 4;
  EXPECT_EQ(Hex(Paint(368, 30)), Hex(0x100000));
  record.countdown = -1;
  EXPECT_EQ(Hex(Paint(368, 210)), Hex(kSky & 0xFFFFFF)) << "no column between instructions";
}

TEST_F(Screen, InstructionPictureStandsInItsRowOfTheLeftColumn) {
  for (int k = 0; k < 4; ++k) pictures.instruction[k] = Image(50, 50, 0xFF400000 + uint32_t(k));
  record.instruction = 3;
  EXPECT_EQ(Hex(Paint(12, 181)), Hex(0x400003));
  EXPECT_EQ(Hex(Paint(61, 230)), Hex(0x400003));
  EXPECT_EQ(Hex(Paint(12, 13)), Hex(kSky & 0xFFFFFF));
  record.instruction = -1;
  EXPECT_EQ(Hex(Paint(12, 181)), Hex(kSky & 0xFFFFFF));
}

TEST_F(Screen, DigitsShowLivesAndTheLastTwoDigitsOfTheScore) {
  pictures.flagBack = Image(400, 256, 0xFFFFFFFF);  // digits are ANDed onto it
  pictures.digits = Cells(11, 40, 0xFF200000);
  record.lives = 3;
  record.score = 123;
  // Cells at x = 140 (lives), 160 (separator), 180 (tens) and 200 (ones): their middles.
  EXPECT_EQ(Hex(Paint(160, 20)), Hex(0x200003)) << "lives";
  EXPECT_EQ(Hex(Paint(180, 20)), Hex(0x20000A)) << "separator";
  EXPECT_EQ(Hex(Paint(200, 20)), Hex(0x200002)) << "tens";
  EXPECT_EQ(Hex(Paint(220, 20)), Hex(0x200003)) << "ones";
}

TEST(MissBanner, BlinksOnTheEvenTensOfTheUnsignedBlinkValue) {
  std::set<int> shown;
  for (int blink = -20; blink <= 80; ++blink)
    if (ShowsMissBanner(blink)) shown.insert(blink);
  std::set<int> expected = {80};
  for (int start : {60, 40, 20, 0, -16})
    for (int v = start; v < start + 10; ++v) expected.insert(v);
  EXPECT_EQ(shown, expected);
  EXPECT_FALSE(ShowsMissBanner(-1)) << "hidden outside a miss";
}

TEST_F(Screen, MissBannerAndLivesBlinkInTurn) {
  pictures.flagBack = Image(400, 256, 0xFFFFFFFF);
  pictures.missBanner = Image(125, 52, 0xFFEE0000);
  pictures.digits = Cells(11, 40, 0xFF200000);
  record.miss = true;
  record.lives = 2;
  record.missBlink = 80;
  EXPECT_EQ(Hex(Paint(200, 70)), Hex(0xEE0000));
  EXPECT_EQ(Hex(Paint(160, 20)), Hex(0xFFFFFF)) << "lives hidden while the banner shows";
  record.missBlink = 79;
  EXPECT_EQ(Hex(Paint(200, 70)), Hex(0xFFFFFF));
  EXPECT_EQ(Hex(Paint(160, 20)), Hex(0x200002));
  record.missBlink = -7;
  EXPECT_EQ(Hex(Paint(200, 70)), Hex(0xEE0000));
}

TEST_F(Screen, SpeedUpBannerAndTheExtraPicture) {
  pictures.speedUpBanner = Image(125, 52, 0xFF00CC00);
  pictures.extra = Image(32, 32, 0xFFCC00CC);
  record.speedUpShown = true;
  record.extraPictureRoll = 0;
  EXPECT_EQ(Hex(Paint(138, 45)), Hex(0x00CC00));
  EXPECT_EQ(Hex(Paint(205, 170)), Hex(0xCC00CC));
  record.speedUpShown = false;
  record.extraPictureRoll = 5;
  EXPECT_EQ(Hex(Paint(138, 45)), Hex(kSky & 0xFFFFFF));
  EXPECT_EQ(Hex(Paint(205, 170)), Hex(kSky & 0xFFFFFF));
}

TEST(MissingPictures, DrawNothing) {
  Pictures none;
  GameRecord record;
  record.instruction = 1;
  record.speedUpShown = true;
  record.missBlink = 80;
  Image back(400, 256, 0xFF123456);
  PaintGameScreen(record, none, back);
  PaintTitleScreen(none, back);
  for (uint32_t p : back.pixels) ASSERT_EQ(p, 0xFF123456u);
}

}  // namespace
