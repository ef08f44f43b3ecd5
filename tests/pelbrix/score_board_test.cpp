// Scoring: the rate each drawn bullet adds and how it falls with each lost ship, and the best
// score kept in "Pelbrix.ini".
#include "pelbrix/game/score_board.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/game_path.h"
#include "tests/support/temp_dir.h"

namespace {

using testing_support::TempDir;

std::string GamePathOf(const std::string& hostPath) { return *platform::GamePath(hostPath); }

TEST(Scoring, ThirtyBulletsDrawnAtRateFiftyAddFifteenHundred) {
  ScoreBoard board;
  board.StartGame();
  for (int i = 0; i < 30; ++i) board.ScoreDrawnBullet();
  EXPECT_EQ(board.score.digits(), "000000001500");
  board.scoreRate = 1;
  for (int i = 0; i < 30; ++i) board.ScoreDrawnBullet();
  EXPECT_EQ(board.score.digits(), "000000001530");
}

TEST(Scoring, EachLostShipLowersTheRateFiftyFortyThirtyTwentyThenOne) {
  ScoreBoard board;
  board.StartGame();
  std::vector<int> rates;
  for (int crash = 0; crash < 6; ++crash) {
    board.LowerRateAfterCrash();
    rates.push_back(board.scoreRate);
  }
  EXPECT_EQ(rates, (std::vector<int>{40, 30, 20, 1, 1, 1}));
  board.StartGame();
  EXPECT_EQ(board.scoreRate, 50) << "a new game starts at 50 again";
  EXPECT_EQ(board.score.digits(), "000000000000");
}

TEST(Scoring, TheBestScoreFollowsTheScoreTheMomentItIsOvertaken) {
  ScoreBoard board;
  board.highScore.Set(120);
  board.StartGame();
  board.ScoreDrawnBullet();
  board.ScoreDrawnBullet();
  EXPECT_EQ(board.highScore.digits(), "000000000120") << "100 is not above 120";
  board.ScoreDrawnBullet();
  EXPECT_EQ(board.highScore.digits(), "000000000150");
  board.StartGame();
  board.ScoreDrawnBullet();
  EXPECT_EQ(board.highScore.digits(), "000000000150") << "the best score survives a new game";
}

TEST(HighScoreFile, AFreshInstallShowsTwelveZerosAndWritesOneLine) {
  TempDir dir;
  const std::string path = GamePathOf(dir.File("Pelbrix.ini"));
  ScoreBoard board;
  board.LoadHighScore(path);
  EXPECT_EQ(board.highScore.digits(), "000000000000");
  board.highScore.Set(987654);
  ASSERT_TRUE(board.SaveHighScore(path));
  EXPECT_EQ(testing_support::ReadFile(dir.File("Pelbrix.ini")), "HighScore=000000987654\r\n");
}

TEST(HighScoreFile, TheValueIsReadLeftAlignedAndNonDigitsBecomeZero) {
  TempDir dir;
  testing_support::WriteFile(dir.File("Pelbrix.ini"), "Other=1\r\nHighScore=123\r\n");
  ScoreBoard board;
  board.LoadHighScore(GamePathOf(dir.File("Pelbrix.ini")));
  EXPECT_EQ(board.highScore.digits(), "123000000000");
  testing_support::WriteFile(dir.File("Pelbrix.ini"), "HighScore=12a4\r\n");
  board.highScore.Set(0);
  board.LoadHighScore(GamePathOf(dir.File("Pelbrix.ini")));
  EXPECT_EQ(board.highScore.digits(), "120400000000");
}

TEST(HighScoreFile, SavingReplacesTheWholeFile) {
  TempDir dir;
  testing_support::WriteFile(dir.File("Pelbrix.ini"), "Other=1\r\nHighScore=5\r\n");
  ScoreBoard board;
  board.highScore.Set(42);
  ASSERT_TRUE(board.SaveHighScore(GamePathOf(dir.File("Pelbrix.ini"))));
  EXPECT_EQ(testing_support::ReadFile(dir.File("Pelbrix.ini")), "HighScore=000000000042\r\n");
}

TEST(HighScoreFile, AFolderOrAnUnreadableFileLeavesTheBestScoreAtZero) {
  TempDir dir;
  testing_support::MakeFolder(dir.File("Pelbrix.ini"));
  testing_support::MakeUnreadableFile(dir.File("unreadable.ini"));
  for (const char* name : {"Pelbrix.ini", "unreadable.ini"}) {
    ScoreBoard board;
    board.LoadHighScore(GamePathOf(dir.File(name)));
    EXPECT_EQ(board.highScore.digits(), "000000000000") << name;
  }
  ScoreBoard board;
  EXPECT_FALSE(board.SaveHighScore(GamePathOf(dir.File("Pelbrix.ini"))))
      << "a folder in the way is not replaced";
}

}  // namespace
