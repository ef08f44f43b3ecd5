// The side-bar shooter's pictures as the asset maker made them, read back through the platform's
// loader: square power-of-two sizes, see-through and solid parts where the game relies on them,
// and the text sheet's characters inside the part of their cells that the game shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/image.h"

namespace {

const std::string kImages = std::string(GAMES_LAYOUT_DIR) + "/quenmark/images/";

const char* const kSprites[] = {"MyShip.dds",  "Center.dds", "EnemyWhite.dds", "bullet.dds",     "needle.dds",
                                "EnemyBullet.dds", "Loading.dds", "Title.dds", "Start.dds", "quit.dds",
                                "MagicStone.dds", "ASCII.dds", "result.dds"};

platform::Image Load(const std::string& name) {
  platform::Image image;
  EXPECT_TRUE(platform::LoadImageFile(kImages + name, image)) << name << " does not load";
  return image;
}

int Alpha(const platform::Image& image, int x, int y) { return int(image.at(x, y) >> 24); }
// A texel of a glyph's light body, not of its dark rim.
bool Light(const platform::Image& image, int x, int y) {
  return Alpha(image, x, y) > 128 && ((image.at(x, y) >> 8) & 255) > 128;
}

struct Area {
  int x, y, width, height;
};

// How many texels of the area have any alpha, and how many are fully opaque.
struct Ink {
  int inked = 0, opaque = 0;
};
Ink InkIn(const platform::Image& image, Area a) {
  Ink ink;
  for (int y = a.y; y < a.y + a.height; ++y)
    for (int x = a.x; x < a.x + a.width; ++x) {
      ink.inked += Alpha(image, x, y) > 0;
      ink.opaque += Alpha(image, x, y) == 255;
    }
  return ink;
}

// Rows from `v0` to `v1` of the picture (fractions of its height).
Area Band(const platform::Image& image, double v0, double v1) {
  return {0, int(v0 * image.height), image.width, int((v1 - v0) * image.height)};
}

TEST(QuenmarkContent, EveryPictureIsASquareWithAPowerOfTwoSide) {
  for (const char* name : kSprites) {
    platform::Image image = Load(name);
    EXPECT_EQ(image.width, image.height) << name << " would be squashed on the game's square";
    EXPECT_TRUE(image.width >= 16 && (image.width & (image.width - 1)) == 0) << name << " is " << image.width << " wide";
  }
  platform::Image bar = Load("SideBar.dds");
  EXPECT_EQ(bar.width, bar.height);
  EXPECT_EQ(bar.width & (bar.width - 1), 0);
}

TEST(QuenmarkContent, SpritesAreTransparentAtTheirEdgesAndSolidSomewhere) {
  for (const char* name : kSprites) {
    platform::Image image = Load(name);
    if (image.empty()) continue;
    const int n = image.width;
    const int edge = InkIn(image, {0, 0, n, 1}).inked + InkIn(image, {0, n - 1, n, 1}).inked +
                     InkIn(image, {0, 0, 1, n}).inked + InkIn(image, {n - 1, 0, 1, n}).inked;
    EXPECT_EQ(edge, 0) << name << " has ink on its square's edge";
    EXPECT_GT(InkIn(image, {0, 0, n, n}).opaque, n * n / 100) << name << " has (nearly) no solid part";
  }
  platform::Image bar = Load("SideBar.dds");
  EXPECT_EQ(InkIn(bar, {0, 0, bar.width, bar.height}).opaque, bar.width * bar.height) << "the side bar is see-through";
}

// The row (0 at the top) where the picture's ink is widest.
int WidestRow(const platform::Image& image) {
  int widest = 0, row = 0;
  for (int y = 0; y < image.height; ++y) {
    int left = image.width, right = -1;
    for (int x = 0; x < image.width; ++x)
      if (Alpha(image, x, y) == 255) left = std::min(left, x), right = std::max(right, x);
    if (right - left > widest) widest = right - left, row = y;
  }
  return row;
}

TEST(QuenmarkContent, TheShipHeadsUpTheScreenAndTheEnemyDown) {
  // Swept wings are widest at their tips, behind the nose: low on a ship heading up, high on one
  // heading down.
  platform::Image ship = Load("MyShip.dds"), enemy = Load("EnemyWhite.dds");
  ASSERT_FALSE(ship.empty() || enemy.empty());
  EXPECT_GT(WidestRow(ship), ship.height / 2) << "the ship's wings are ahead of its middle";
  EXPECT_LT(WidestRow(enemy), enemy.height / 2) << "the enemy's wings are below its middle";
}

TEST(QuenmarkContent, EverythingOnTheTitleAndMenuStaysWhereTheScreenShowsIt) {
  // The title's square spans y -130..190 and the menu's words stand from y 68 down: the title
  // keeps clear of them. "quit" (square y 70..190) must end above the screen's foot at y 124.
  platform::Image title = Load("Title.dds");
  EXPECT_EQ(InkIn(title, Band(title, 0.55, 1.0)).inked, 0) << "the title reaches into the menu";
  EXPECT_GT(InkIn(title, Band(title, 0.15, 0.45)).opaque, 1000) << "the title's name is missing";
  platform::Image quit = Load("quit.dds");
  EXPECT_EQ(InkIn(quit, Band(quit, 0.45, 1.0)).opaque, 0) << "part of \"quit\" is below the screen";
  EXPECT_GT(InkIn(quit, Band(quit, 0.2, 0.45)).opaque, 1000) << "\"quit\" is missing";
  // "Start" is centred on its square.
  platform::Image start = Load("Start.dds");
  const int n = start.width;
  const Ink left = InkIn(start, {0, 0, n / 2, n}), right = InkIn(start, {n / 2, 0, n / 2, n});
  const Ink above = InkIn(start, {0, 0, n, n / 2}), below = InkIn(start, {0, n / 2, n, n / 2});
  EXPECT_GT(left.inked, 0);
  EXPECT_NEAR(double(left.inked) / right.inked, 1.0, 0.25) << "\"Start\" is off centre across";
  EXPECT_NEAR(double(above.inked) / below.inked, 1.0, 0.35) << "\"Start\" is off centre up and down";
}

TEST(QuenmarkContent, TheResultHasAPlateWhereTheScoreIsWritten) {
  // The score is written at y 0 from x -20 on the square at (0, 30), 320 units on a side.
  platform::Image result = Load("result.dds");
  const double texelsPerUnit = result.width / 320.0;
  for (double x : {-20.0, 17.0, 50.0})
    EXPECT_GT(Alpha(result, int((x + 160) * texelsPerUnit), int(130 * texelsPerUnit)), 200)
        << "no plate behind the score at x " << x;
}

TEST(QuenmarkContent, EveryCharacterKeepsToTheMiddleOfItsCellAndTheDigitsDiffer) {
  platform::Image sheet = Load("ASCII.dds");
  ASSERT_FALSE(sheet.empty());
  const int cell = sheet.width / 16;
  // Characters stand 8.25 units apart on 12-unit squares: ink beyond the middle two thirds of
  // a cell would overlap the next character.
  const int margin = int(cell * (1 - 8.25 / 12) / 2);
  auto cellArea = [cell](int code) { return Area{(code % 16) * cell, (code / 16) * cell, cell, cell}; };
  for (int code = 0; code < 256; ++code) {
    const Area a = cellArea(code);
    const Ink ink = InkIn(sheet, a);
    if (code <= 32 || code >= 127) {
      EXPECT_EQ(ink.inked, 0) << "cell " << code << " should be empty";
      continue;
    }
    EXPECT_GT(ink.opaque, 0) << "character " << char(code) << " is missing";
    EXPECT_EQ(InkIn(sheet, {a.x, a.y, margin, cell}).inked + InkIn(sheet, {a.x + cell - margin, a.y, margin, cell}).inked, 0)
        << "character " << char(code) << " reaches its neighbours";
  }
  for (int d = '0'; d <= '9'; ++d) {
    EXPECT_GT(InkIn(sheet, cellArea(d)).opaque, cell * cell / 12) << "digit " << char(d) << " is (nearly) empty";
    for (int e = '0'; e < d; ++e) {
      int differing = 0;
      for (int y = 0; y < cell; ++y)
        for (int x = 0; x < cell; ++x)
          differing += Light(sheet, (d % 16) * cell + x, (d / 16) * cell + y) !=
                       Light(sheet, (e % 16) * cell + x, (e / 16) * cell + y);
      EXPECT_GT(differing, cell) << "digits " << char(e) << " and " << char(d) << " look alike";
    }
  }
}

}  // namespace
