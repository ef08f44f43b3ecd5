// The scenes: the title menu's keys, GET READY, the game over and the music fade.
#include <gtest/gtest.h>

#include "tests/pelbrix/game_fixture.h"

namespace {

class Scenes : public ShooterGame {
 protected:
  CTitle* Title() {
    game.ShowTitle();
    return static_cast<CTitle*>(game.sceneList.first());
  }
  void Press(bool PlayerInput::*key) {
    input().*key = true;
    game.sceneList.MoveAll();
    input().*key = false;
  }
};

TEST_F(Scenes, AKeyHeldWhenTheTitleStartsDoesNothingUntilPressedAgain) {
  CTitle* title = Title();
  input().buttons[0] = true;
  for (int i = 0; i < 5; ++i) game.sceneList.MoveAll();
  EXPECT_EQ(game.sceneList.first(), title) << "still the title";
  input().buttons[0] = false;
  game.sceneList.MoveAll();
  input().buttons[0] = true;
  game.sceneList.MoveAll();
  ASSERT_NE(game.sceneList.first(), nullptr);
  EXPECT_NE(dynamic_cast<CReady*>(game.sceneList.first()), nullptr) << "START: get ready";
  EXPECT_EQ(game.scores.scoreRate, 50);
  EXPECT_NE(game.currentShip, nullptr);
}

TEST_F(Scenes, UpAndDownInOneFrameLeaveTheCursorOnExitAndSelectActsOnTheNewItem) {
  CTitle* title = Title();
  game.sceneList.MoveAll();  // released
  input().up = input().down = true;
  game.sceneList.MoveAll();
  EXPECT_EQ(title->cursor, 1);
  input().up = input().down = false;
  game.sceneList.MoveAll();
  Press(&PlayerInput::up);
  EXPECT_EQ(title->cursor, 0);
  game.sceneList.MoveAll();
  input().down = input().buttons[0] = true;  // down and select together on START
  game.sceneList.MoveAll();
  EXPECT_EQ(title->cursor, 1);
  game.Run();  // the quit was asked for: the loop ends at once
}

TEST_F(Scenes, LeftAndRightHeldWhileDownIsPressedSetTheHiddenHardMode) {
  CTitle* title = Title();
  game.sceneList.MoveAll();
  input().left = input().right = true;
  game.sceneList.MoveAll();
  EXPECT_FALSE(game.hardMode) << "left and right alone do nothing";
  input().down = true;
  game.sceneList.MoveAll();
  EXPECT_TRUE(game.hardMode);
  EXPECT_EQ(title->cursor, 1) << "the press also moves the cursor";
  CreateTask<CGameOver>(game.sceneList);
  EXPECT_FALSE(game.hardMode) << "cleared when the game-over scene is made";
}

TEST_F(Scenes, GetReadyLastsFiftyFramesAndTheStageStepsInTheFrameItBegins) {
  game.script->Parse({"enemy EneA 0"});
  CreateTask<CReady>(game.sceneList);
  for (int i = 0; i < 50; ++i) game.sceneList.MoveAll();
  EXPECT_EQ(Count(game.enemyList), 0);
  game.sceneList.MoveAll();
  EXPECT_EQ(Count(game.enemyList), 1) << "the stage ran the script's first step in that frame";
  EXPECT_NE(dynamic_cast<CStage*>(game.sceneList.first()), nullptr);
}

TEST_F(Scenes, AnEqualScoreIsTheBestAndGameOverReturnsToTheTitleAfter150Frames) {
  auto* over = CreateTask<CGameOver>(game.sceneList);
  EXPECT_TRUE(over->bestScore) << "0 against a best of 0";
  for (int i = 0; i < 150; ++i) game.sceneList.MoveAll();
  EXPECT_FALSE(game.returnToTitle);
  game.sceneList.MoveAll();
  EXPECT_TRUE(game.returnToTitle);
  game.scores.highScore.Set(10);
  EXPECT_FALSE(CreateTask<CGameOver>(game.sceneList)->bestScore);
}

TEST_F(Scenes, AFadeSetsTheVolumeFromFullToSilenceInclusive) {
  game.PlayMusic(0);
  CreateTask<CVolumeChanger>(game.sceneList, 3, 1.0f, 0.0f);
  std::vector<float> volumes;
  for (int i = 0; i < 4; ++i) {
    game.sceneList.MoveAll();
    volumes.push_back(game.music.volume());
  }
  EXPECT_EQ(volumes, (std::vector<float>{1.0f, 0.5f, 0.0f, 0.0f}));
  EXPECT_EQ(Count(game.sceneList), 0);
  for (int frames : {1, 0}) {
    game.SetMusicVolume(0.3f);
    CreateTask<CVolumeChanger>(game.sceneList, frames, 1.0f, 0.0f);
    game.sceneList.MoveAll();
    EXPECT_EQ(game.music.volume(), 1.0f) << frames << " frames: the start volume, once";
    EXPECT_EQ(Count(game.sceneList), 0);
  }
}

}  // namespace
