// The flag game's pictures as the asset maker made them: their sizes, the masks of the sprites,
// the plate the digits go on; and the screens they make, written out to be looked at.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>

#include "platform/image.h"
#include "tests/vexilo/vexilo_fixture.h"
#include "vexilo/game_screen.h"

namespace {

const platform::Image* SpritesOf(const Pictures& p, int i) {
  if (i < 4) return &p.flagDown[i];
  if (i < 8) return &p.flagUp[i - 4];
  return &p.figure;
}

class BuiltPictures : public VexiloTest {
 protected:
  void SetUp() override {
    VexiloTest::SetUp();
    UseBuiltPictures();
    LoadPictures(pictures);
  }
  void Save(const std::string& name, const GameRecord& r) {
    platform::Image screen(layout::kScreenWidth, layout::kScreenHeight, 0xFF000000);
    if (r.state == GameRecord::kTitle)
      PaintTitleScreen(pictures, screen);
    else
      PaintGameScreen(r, pictures, screen);
    std::string folder = std::string(GAMES_LAYOUT_DIR) + "/../screenshots";
    std::filesystem::create_directories(folder);
    EXPECT_TRUE(platform::SavePng(folder + "/vexilo-" + name + ".png", screen));
  }
  Pictures pictures;
};

TEST_F(BuiltPictures, EveryPictureHasItsSize) {
  auto size = [](const platform::Image& i) { return std::to_string(i.width) + "x" + std::to_string(i.height); };
  EXPECT_EQ(size(pictures.titleBack), "400x256");
  EXPECT_EQ(size(pictures.flagBack), "400x256");
  EXPECT_EQ(size(pictures.time), "40x240");
  EXPECT_EQ(size(pictures.extra), "32x32");
  EXPECT_EQ(size(pictures.missBanner), "125x52");
  EXPECT_EQ(size(pictures.speedUpBanner), "125x52");
  EXPECT_EQ(size(pictures.digits), "40x440");
  for (int k = 0; k < 4; ++k) EXPECT_EQ(size(pictures.instruction[k]), "50x50") << k;
  for (int i = 0; i < 9; ++i) EXPECT_EQ(size(*SpritesOf(pictures, i)), "800x256") << i;
}

TEST_F(BuiltPictures, SpriteMasksAreHardAndPicturesBlackOutsideThem) {
  // Anything else bleeds colour into the background under AND and OR.
  for (int i = 0; i < 9; ++i) {
    const platform::Image& sheet = *SpritesOf(pictures, i);
    int grey = 0, bleeding = 0, inside = 0, onColumns = 0;
    for (int y = 0; y < 256; ++y)
      for (int x = 0; x < 400; ++x) {
        uint32_t mask = sheet.at(400 + x, y) & 0xFFFFFF, picture = sheet.at(x, y) & 0xFFFFFF;
        grey += mask != 0 && mask != 0xFFFFFF;
        bleeding += mask == 0xFFFFFF && picture != 0;
        if (mask == 0) {
          ++inside;
          onColumns += x < 70 || x > 340;  // the instruction and countdown columns stay clear
        }
      }
    EXPECT_EQ(grey, 0) << "sprite " << i;
    EXPECT_EQ(bleeding, 0) << "sprite " << i;
    EXPECT_GT(inside, 200) << "sprite " << i;
    EXPECT_EQ(onColumns, 0) << "sprite " << i;
  }
}

TEST_F(BuiltPictures, DigitsGoOnAWhitePlateAndFlagsHaveDistinctColours) {
  for (int y = 0; y < 40; ++y)
    for (int x = 140; x < 240; ++x)
      ASSERT_EQ(pictures.flagBack.at(x, y) & 0xFFFFFF, 0xFFFFFFu) << x << "," << y;
  // Each instruction picture's most common strong colour differs from the others'.
  std::set<uint32_t> colours;
  for (int k = 0; k < 4; ++k) {
    std::map<uint32_t, int> counts;
    for (uint32_t p : pictures.instruction[k].pixels) {
      int r = (p >> 16) & 255, g = (p >> 8) & 255, b = p & 255;
      if (std::max({r, g, b}) - std::min({r, g, b}) > 120) ++counts[p & 0xF0F0F0];
    }
    ASSERT_FALSE(counts.empty()) << k;
    auto most = std::max_element(counts.begin(), counts.end(),
                                 [](auto& a, auto& b) { return a.second < b.second; });
    colours.insert(most->first);
  }
  EXPECT_EQ(colours.size(), 4u);
}

TEST_F(BuiltPictures, ScreensToLookAt) {
  GameRecord r;
  Save("title-screen", r);
  r.state = GameRecord::kInstruction;
  r.instruction = 0;
  r.extraPictureRoll = 9;
  Save("instruction-screen", r);
  r.instruction = 3;
  r.countdown = 1;
  r.raised[1] = r.raised[2] = true;
  r.score = 7;
  Save("two-flags-up-screen", r);
  for (bool& raised : r.raised) raised = true;
  r.miss = true;
  r.missBlink = 80;
  r.lives = 2;
  r.score = 13;
  Save("miss-screen", r);
  r = GameRecord();
  r.state = GameRecord::kPause;
  r.speedUpShown = true;
  r.score = 20;
  r.extraPictureRoll = 0;
  Save("speedup-screen", r);
}

}  // namespace
