// The shipped pictures and the whole stage, played headless and drawn with GL: the title, Start,
// every step of the timetable with the ship firing and rescued when it can be, the result
// screen and the end. Screenshots of the moments a player would look at go to screenshots/.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/headless/headless_host.h"
#include "platform/image.h"
#include "platform/key_codes.h"
#include "quenmark/quenmark_program.h"
#include "tests/support/environment.h"

namespace {

namespace dik = platform::dik;

TEST(QuenmarkWholeGame, FromTheTitleThroughTheTimetableToTheResultAndTheEnd) {
  testing_support::TempWorkingFolder work;
  testing_support::TempLockFolder locks;
  std::filesystem::create_directory_symlink(std::string(GAMES_LAYOUT_DIR) + "/quenmark/images", work.File("images"));
  platform::HeadlessOptions options;
  options.drawing = platform::HeadlessDrawing::OffscreenGl;
  options.screen = {640, 360};
  options.closeAfterMicros = 600ull * 1000000;
  platform::HeadlessHost host(options);
  const std::string shots = std::string(GAMES_LAYOUT_DIR) + "/../screenshots/";
  testing_support::MakeFolder(shots);

  QuenmarkProgram program(host);
  ASSERT_EQ(program.StartUp(), -1);
  QuenmarkGame& game = program.game();
  auto shoot = [&](const char* name) {
    platform::Image picture;
    ASSERT_TRUE(program.graphics().device()->ReadBackBuffer(picture));
    for (uint32_t& pixel : picture.pixels) pixel |= 0xFF000000;  // as the window shows it
    platform::SavePng(shots + name, picture);
  };
  auto now = [&] { return double(host.virtualClock().Ticks()); };
  auto enemyBullets = [&] {
    int n = 0;
    for (const Shot& s : game.shots) n += s.kind == Shot::kEnemyBullet;
    return n;
  };

  host.Tap(600, dik::Z);         // Start
  host.KeyDown(1200, dik::Z);    // fire from then on
  host.KeyDown(1200, dik::X);    // and take every rescue there is
  host.KeyDown(1200, dik::LEFT);
  host.KeyUp(1500, dik::LEFT);
  bool titleShot = false, ringShot = false, explosionShot = false, resultShot = false;
  int mostBullets = 0, deaths = 0;
  double resultAt = 0;
  uint32_t clockAtResult = 0;
  int previousStatus = 1;
  while (program.Step()) {
    if (!titleShot && now() > 400) {
      shoot("quenmark-title.png");
      titleShot = true;
      EXPECT_EQ(game.gameState, kTitleState);
    }
    if (game.gameState == kPlayingState) {
      mostBullets = std::max(mostBullets, enemyBullets());
      if (!ringShot && game.stageClock >= 1275 && game.player.status == 1) {
        shoot("quenmark-ring.png");
        ringShot = true;
        EXPECT_GT(enemyBullets(), 40) << "the ring of the first 200-hp enemy (fired at clock 1240) is out";
      }
      deaths += game.player.status == 3 && previousStatus != 3;
      if (!explosionShot && game.player.status == 3 && game.death.explosionCount == 40) {
        shoot("quenmark-explosion.png");
        explosionShot = true;
      }
      previousStatus = game.player.status;
    }
    if (game.gameState == kResultState && resultAt == 0) {
      resultAt = now();
      clockAtResult = game.stageClock;
      host.Tap(resultAt + 1000, dik::RETURN);
    }
    if (!resultShot && resultAt > 0 && now() > resultAt + 500) {
      shoot("quenmark-result.png");
      resultShot = true;
    }
  }
  program.ShutDown();
  ASSERT_GT(resultAt, 0) << "the result screen came";
  EXPECT_EQ(game.gameState, kQuittingState) << "Enter on the result screen ends the program";
  EXPECT_NEAR(now(), resultAt + 1000, 40);
  EXPECT_TRUE(titleShot);
  EXPECT_TRUE(ringShot);
  EXPECT_TRUE(explosionShot) << "a death's explosion was seen";
  EXPECT_TRUE(resultShot);
  EXPECT_GT(deaths, 0);
  EXPECT_GT(mostBullets, 60);
  if (clockAtResult > 3000) {  // the timetable's last step, at clock 3000, ended the stage
    EXPECT_GT(game.player.score, 0u);
  } else {
    EXPECT_EQ(game.player.lives, 0) << "the stage ended early only with every life lost";
  }
  std::printf("result at clock %u after %d deaths, score %u, power %.2f, lives %d\n", clockAtResult, deaths,
              game.player.score, game.player.power, game.player.lives);
}

}  // namespace
