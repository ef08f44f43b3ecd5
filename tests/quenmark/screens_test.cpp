// The side-bar shooter's screens: the title menu and its key latch, the result screen, and the
// side bar's texts and icons, played through the game's own tick where the state allows.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "quenmark/game.h"

namespace {

using namespace input_bits;

std::unique_ptr<QuenmarkGame> NewGame() {
  auto game = std::make_unique<QuenmarkGame>();
  game->ResetPools();
  game->PrepareFixedPictures();
  return game;
}

// The characters of a row's shown entries, '_' for a hidden one.
template <size_t N>
std::string Shown(const std::array<Sprite, N>& row, size_t count = N) {
  std::string text;
  for (size_t i = 0; i < count; ++i) text += row[i].kind == 4 ? char(row[i].cell) : '_';
  return text;
}

// '#' for each shown life icon (a whole picture), '_' for a hidden one.
std::string ShownIcons(const std::array<Sprite, SpritePools::kLifeIcons>& icons) {
  std::string text;
  for (const Sprite& icon : icons) text += icon.kind == 4 && icon.cell == kWholePicture ? '#' : '_';
  return text;
}

// The first count entries of a row stand from (x, y) at steps of scale x 5.5.
template <size_t N>
void ExpectRowAt(const std::array<Sprite, N>& row, size_t count, float x, float y, float scale, int texture) {
  for (size_t i = 0; i < count; ++i) {
    SCOPED_TRACE("entry " + std::to_string(i));
    EXPECT_FLOAT_EQ(row[i].x, x + float(i) * scale * 5.5f);
    EXPECT_FLOAT_EQ(row[i].y, y);
    EXPECT_FLOAT_EQ(row[i].scale, scale);
    EXPECT_EQ(row[i].texture, texture);
  }
}

void ExpectTitleHidden(const QuenmarkGame& game) {
  for (int slot : {screen_slot::kPicture, screen_slot::kStartItem, screen_slot::kQuitItem})
    EXPECT_EQ(game.sprites.screen[size_t(slot)].kind, 0) << "title entry " << slot << " must be hidden";
}

TEST(QuenmarkTitleMenu, HeldArrowMovesTheCursorOnceAndTheNextMoveWaitsForAllKeysReleased) {
  auto game = NewGame();
  for (int tick = 0; tick < 10; ++tick) game->Tick(kUp);
  EXPECT_EQ(game->menu.cursor, 2) << "holding Up moves the cursor once";
  EXPECT_FLOAT_EQ(game->sprites.screen[screen_slot::kStartItem].scale, 15) << "the item left stops pulsing";
  game->Tick(kLeft);  // another key still held: no release
  game->Tick(kDown);
  EXPECT_EQ(game->menu.cursor, 2);
  game->Tick(0);
  game->Tick(kDown);
  EXPECT_EQ(game->menu.cursor, 1) << "after a tick with no key the next move is taken";
  EXPECT_EQ(game->gameState, kTitleState);
}

TEST(QuenmarkTitleMenu, SelectedItemPulsesBetween14_25And15_75Every120Ticks) {
  auto game = NewGame();
  float smallest = 100, largest = 0;
  for (int tick = 0; tick < 120; ++tick) {
    game->Tick(0);
    const float scale = game->sprites.screen[screen_slot::kStartItem].scale;
    smallest = std::min(smallest, scale);
    largest = std::max(largest, scale);
    if (tick == 30) {
      EXPECT_FLOAT_EQ(scale, 15.75f) << "a quarter period in";
    }
  }
  EXPECT_FLOAT_EQ(smallest, 14.25f);
  EXPECT_FLOAT_EQ(largest, 15.75f);
  EXPECT_FLOAT_EQ(game->sprites.screen[screen_slot::kQuitItem].scale, 15) << "the other item stays still";
  EXPECT_EQ(game->menu.titleTicks, 120);
}

TEST(QuenmarkTitleMenu, AfterACursorMoveZIsIgnoredUntilAllKeysAreReleased) {
  auto game = NewGame();
  game->Tick(kDown);
  game->Tick(kDown | kZ);
  game->Tick(kZ);
  EXPECT_EQ(game->gameState, kTitleState) << "Z must wait for a release after the move";
  game->Tick(0);
  game->Tick(kZ);
  EXPECT_EQ(game->gameState, kQuittingState) << "Z on \"quit\" ends the run";
  ExpectTitleHidden(*game);
}

TEST(QuenmarkTitleMenu, DownAndZInOneTickOnStartMovesTheCursorAndStillStarts) {
  auto game = NewGame();
  game->Tick(kDown | kZ);
  EXPECT_EQ(game->menu.cursor, 2);
  EXPECT_EQ(game->gameState, kStartingState) << "the item selected when the tick began is chosen";
}

TEST(QuenmarkTitleMenu, ZHeldAtTheFirstTickStartsAtOnceWithTheTitlePlacedAndHidden) {
  auto game = NewGame();
  game->Tick(kZ);
  EXPECT_EQ(game->gameState, kStartingState);
  EXPECT_TRUE(game->menu.titleBuilt);
  const auto& screen = game->sprites.screen;
  EXPECT_EQ(screen[screen_slot::kPicture].texture, kTitleTexture);
  EXPECT_EQ(screen[screen_slot::kStartItem].texture, kStartTexture);
  EXPECT_EQ(screen[screen_slot::kQuitItem].texture, kQuitTexture);
  EXPECT_FLOAT_EQ(screen[screen_slot::kQuitItem].y, 130);
  ExpectTitleHidden(*game);
}

TEST(QuenmarkTitleMenu, EnterChoosesAndAnUnreadableKeyboardDoesNotReleaseTheLatch) {
  auto game = NewGame();
  game->Tick(kUp);
  game->Tick(kUnreadable);
  EXPECT_TRUE(game->menu.keyLatch) << "a tick without a keyboard is not a release";
  game->Tick(kEnter);
  EXPECT_EQ(game->gameState, kTitleState);
  game->Tick(0);
  EXPECT_FALSE(game->menu.keyLatch);
  game->Tick(kEnter);
  EXPECT_EQ(game->gameState, kQuittingState);
}

TEST(QuenmarkTitleMenu, AnyOtherCursorValueBecomesStart) {
  auto game = NewGame();
  game->menu.cursor = 7;
  game->Tick(kZ);
  EXPECT_EQ(game->menu.cursor, 1);
  EXPECT_EQ(game->gameState, kTitleState) << "the tick that mends the cursor chooses nothing";
  game->Tick(kZ);
  EXPECT_EQ(game->gameState, kStartingState);
}

TEST(QuenmarkResultScreen, ShowsItsPictureUntilEnterWhichEndsTheRunEvenWithTheLatchSet) {
  auto game = NewGame();
  game->gameState = kResultState;
  game->sprites.screen[screen_slot::kSideBar].kind = 4;
  game->Tick(kZ | kDown);
  EXPECT_EQ(game->gameState, kResultState);
  EXPECT_EQ(game->sprites.screen[screen_slot::kSideBar].kind, 0);
  const Sprite& picture = game->sprites.screen[screen_slot::kPicture];
  EXPECT_EQ(picture.texture, kResultTexture);
  EXPECT_EQ(picture.kind, 4);
  EXPECT_FLOAT_EQ(picture.y, 30);
  EXPECT_FLOAT_EQ(picture.scale, 40);

  game->menu.keyLatch = true;
  game->Tick(kEnter);
  EXPECT_EQ(game->gameState, kQuittingState) << "Enter held when the screen appears ends the run";
  EXPECT_EQ(picture.kind, 0);
  EXPECT_EQ(game->menu.cursor, 2);
  EXPECT_FALSE(game->menu.titleBuilt);
}

TEST(QuenmarkScreenPictures, SideBarAndLoadingPictureArePlacedHidden) {
  auto game = NewGame();
  const Sprite& sideBar = game->sprites.screen[screen_slot::kSideBar];
  const Sprite& loading = game->sprites.screen[screen_slot::kLoading];
  EXPECT_EQ(sideBar.texture, kSideBarTexture);
  EXPECT_FLOAT_EQ(sideBar.x, 187);
  EXPECT_FLOAT_EQ(sideBar.scale, 30.8f);
  EXPECT_EQ(loading.texture, kLoadingTexture);
  EXPECT_EQ(sideBar.kind, 0);
  EXPECT_EQ(loading.kind, 0);
}

class QuenmarkSideBar : public ::testing::Test {
 protected:
  void SetUp() override { game->gameState = kPlayingState; }
  std::unique_ptr<QuenmarkGame> game = NewGame();
  const SpritePools& sprites = game->sprites;
};

TEST_F(QuenmarkSideBar, ScoresAreNineDigitsWithLeadingZerosOneSpritePerCharacter) {
  game->player.score = 123;
  game->UpdateScreenTexts();
  ExpectRowAt(sprites.scoreText, 9, 80, -55, 1.5f, kAsciiTexture);
  ExpectRowAt(sprites.hiScoreText, 9, 80, -90, 1.5f, kAsciiTexture);
  EXPECT_EQ(Shown(sprites.scoreText), "000000123_______");
  EXPECT_EQ(Shown(sprites.hiScoreText), "000010000_______");
}

TEST_F(QuenmarkSideBar, ScoresPastTheSignedRangeShowUnsigned) {
  game->player.score = 3000000000u;
  game->UpdateScreenTexts();
  EXPECT_EQ(Shown(sprites.scoreText), "3000000000______");
}

TEST_F(QuenmarkSideBar, PowerShowsOneDecimalAtMostEightCharactersAndLeavesTheRestAsItWas) {
  game->player.power = 1.5f;
  game->UpdateScreenTexts();
  ExpectRowAt(sprites.powerText, 3, 80, 10, 2.0f, kAsciiTexture);
  EXPECT_EQ(Shown(sprites.powerText), "1.5_____________");

  game->player.power = 12345678.0f;  // "12345678.0", cut
  game->UpdateScreenTexts();
  EXPECT_EQ(Shown(sprites.powerText), "12345678________");
  game->player.power = 2.0f;
  game->UpdateScreenTexts();
  EXPECT_EQ(Shown(sprites.powerText), "2.045678________") << "entries past the string keep their state";
}

TEST_F(QuenmarkSideBar, OneIconPerSpareLifeAtMostTen) {
  game->UpdateScreenTexts();  // 3 spare lives
  ExpectRowAt(sprites.lifeIcons, 3, 80, -20, 3.0f, kLifeTexture);
  EXPECT_EQ(ShownIcons(sprites.lifeIcons), "###_______");
  game->player.lives = 0;
  game->UpdateScreenTexts();
  EXPECT_EQ(ShownIcons(sprites.lifeIcons), "__________") << "after the last spare life no icon";
  game->player.lives = 25;
  game->UpdateScreenTexts();
  EXPECT_EQ(ShownIcons(sprites.lifeIcons), "##########");
}

TEST_F(QuenmarkSideBar, HighScoreShownCatchesUpOneTickAfterTheScorePassesIt) {
  game->player.score = 10010;
  game->UpdateScreenTexts();
  EXPECT_EQ(Shown(sprites.hiScoreText, 9), "000010000");
  EXPECT_EQ(game->player.hiScore, 10010u);
  game->UpdateScreenTexts();
  EXPECT_EQ(Shown(sprites.hiScoreText, 9), "000010010");
}

TEST_F(QuenmarkSideBar, ResultShowsTheScoreCentredAndHidesTheRestOfTheSideBar) {
  game->player.score = 4560;
  game->UpdateScreenTexts();
  game->gameState = kResultState;
  game->UpdateScreenTexts();
  ExpectRowAt(sprites.scoreText, 9, -20, 0, 1.5f, kAsciiTexture);
  EXPECT_EQ(Shown(sprites.hiScoreText), std::string(16, '_'));
  EXPECT_EQ(Shown(sprites.powerText), std::string(16, '_'));
  EXPECT_EQ(ShownIcons(sprites.lifeIcons), "__________");
}

TEST_F(QuenmarkSideBar, TitleHidesEveryText) {
  game->UpdateScreenTexts();
  game->gameState = kTitleState;
  game->Tick(0);
  EXPECT_EQ(Shown(sprites.hiScoreText) + Shown(sprites.scoreText) + Shown(sprites.powerText),
            std::string(48, '_'));
  EXPECT_EQ(ShownIcons(sprites.lifeIcons), "__________");
}

}  // namespace
