// A whole game through the program's entry point on the headless backend: the title, START,
// GET READY, a short stage with music and its fade-out, GAME OVER and back to the title; the
// best score is in "Pelbrix.ini" afterwards.
#include <gtest/gtest.h>

#include "pelbrix/game/pelbrix.h"
#include "pelbrix/game/pelbrix_main.h"
#include "platform/headless/headless_host.h"
#include "platform/key_codes.h"
#include "tests/support/args.h"
#include "platform/image.h"
#include "tests/support/environment.h"

namespace {

TEST(WholeGame, FromTheTitleThroughAStageToGameOverAndBack) {
  testing_support::TempWorkingFolder work;
  testing_support::WriteFile(work.File("script.txt"),
                             "/*\r\n"
                             "the opening: a marker line starts or ends a comment\r\n"
                             "*/\r\n"
                             "play 0\r\n"
                             "enemy EneA -20\r\n"
                             "enemy EneC 20\r\n"
                             "wait 240\r\n"
                             "fadeout 60\r\n"
                             "wait 60\r\n"
                             "gameover\r\n");
  platform::HeadlessOptions options;
  options.programFilePath = std::string(GAMES_LAYOUT_DIR) + "/pelbrix/bin/Pelbrix";
  options.closeAfterMicros = 12'000'000;  // the title is back long before
  platform::HeadlessHost host(options);
  // START: the select key pressed on the title, long enough for a frame to see it.
  host.KeyDown(500, platform::dik::RETURN);
  host.KeyUp(600, platform::dik::RETURN);
  EXPECT_EQ(PelbrixMain(host, 1, testing_support::Args({}).argv()), 0);

  std::string saved = testing_support::ReadFile(work.File("Pelbrix.ini"));
  ASSERT_EQ(saved.size(), std::string("HighScore=000000000000\r\n").size()) << saved;
  EXPECT_NE(saved, "HighScore=000000000000\r\n") << "bullets on the field scored";

  platform::HeadlessAudio& audio = host.headlessAudio();
  auto opened = audio.Calls("OpenMusic");
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_NE(opened[0].path.find("Quillet Remix.mp3"), std::string::npos);
  auto volumes = audio.Calls("SetMusicVolume");
  ASSERT_GE(volumes.size(), 61u) << "full volume, then the fade's 60 steps";
  EXPECT_EQ(volumes.back().value, 0.0) << "faded out to silence";
  auto stops = audio.Calls("StopMusic");
  ASSERT_FALSE(stops.empty()) << "the return to the title stops the music";
  // Title (0.5 s) + GET READY (50 frames) + the stage up to "gameover" (300 frames) + GAME OVER
  // (150 frames): the return comes about 8.3 s in.
  EXPECT_NEAR(stops.back().milliseconds, 500 + (50 + 300 + 151) * 1000.0 / 60, 60);
}

}  // namespace

namespace {

// The shipped stage, played headless in hard mode with nobody steering, drawn with GL at the
// moments a player would look: the title, the stage full of bullets, the game over.
TEST(WholeGame, TheShippedStageInHardModeFromTitleToGameOverAndBack) {
  testing_support::TempWorkingFolder work;
  const std::string built = std::string(GAMES_LAYOUT_DIR) + "/pelbrix/";
  testing_support::WriteFile(work.File("script.txt"), testing_support::ReadFile(built + "script.txt"));
  platform::HeadlessOptions options;
  options.drawing = platform::HeadlessDrawing::OffscreenGl;
  options.programFilePath = built + "bin/Pelbrix";
  options.recordAudioCalls = true;
  platform::HeadlessHost host(options);
  const std::string shots = std::string(GAMES_LAYOUT_DIR) + "/../screenshots/";
  testing_support::MakeFolder(shots);
  int bulletsAtTheShot = 0, crashes = 0;
  bool bestScoreLine = false;
  {
    CPelbrix game(host, 1, testing_support::Args({}).argv());
    ASSERT_TRUE(game.started());
    game.frameSkip = false;
    game.OnResetDevice();
    game.ShowTitle();
    auto frame = [&](bool draw, const char* shot = nullptr) {
      host.virtualClock().Advance(16667);
      game.Move();
      if (!draw) return;
      game.RenderFrame();
      platform::Image picture;
      if (!shot || !game.graphicsDevice->device->ReadBackBuffer(picture)) return;
      for (uint32_t& pixel : picture.pixels) pixel |= 0xFF000000;  // as the window shows it
      platform::SavePng(shots + shot, picture);
    };
    const double frameMs = 16.667;
    // The hard-mode chord on the title, then START.
    host.KeyDown(10 * frameMs, platform::dik::LEFT);
    host.KeyDown(10 * frameMs, platform::dik::RIGHT);
    host.KeyDown(12 * frameMs, platform::dik::DOWN);
    host.KeyUp(14 * frameMs, platform::dik::DOWN);
    host.KeyUp(14 * frameMs, platform::dik::LEFT);
    host.KeyUp(14 * frameMs, platform::dik::RIGHT);
    host.KeyDown(16 * frameMs, platform::dik::UP);
    host.KeyUp(18 * frameMs, platform::dik::UP);
    host.KeyDown(20 * frameMs, platform::dik::RETURN);
    host.KeyUp(22 * frameMs, platform::dik::RETURN);
    for (int f = 0; f < 8; ++f) frame(f == 7, f == 7 ? "pelbrix-headless-title.png" : nullptr);
    for (int f = 8; f < 60; ++f) frame(false);
    ASSERT_TRUE(game.hardMode) << "the chord was taken";
    // The stage at its fullest: the first frame with 300 bullets on the field.
    auto bullets = [&game] { return game.bulletList.capacity() - game.bulletList.freeCount(); };
    for (int f = 0; f < 20000 && bullets() < 300; ++f) frame(false);
    bulletsAtTheShot = bullets();
    frame(true, "pelbrix-headless-play.png");
    // On to the game over, then a second into it.
    CGameOver* over = nullptr;
    for (int f = 0; f < 20000 && !over; ++f) {
      frame(false);
      for (CMover* s = game.sceneList.first(); s; s = game.sceneList.following(s))
        if (auto* g = dynamic_cast<CGameOver*>(s)) over = g;
    }
    ASSERT_NE(over, nullptr) << "the stage ends with GAME OVER";
    bestScoreLine = over->bestScore;
    EXPECT_FALSE(game.hardMode) << "the game over ends the hard mode";
    for (int f = 0; f < 60; ++f) frame(f == 59, f == 59 ? "pelbrix-headless-gameover.png" : nullptr);
    for (int f = 0; f < 100 && !game.returnToTitle; ++f) frame(false);
    frame(false);
    EXPECT_NE(dynamic_cast<CTitle*>(game.sceneList.first()), nullptr) << "back to the title";
    crashes = host.headlessAudio().totalPlays();
  }
  EXPECT_GE(bulletsAtTheShot, 300) << "hard mode fills the field";
  EXPECT_TRUE(bestScoreLine) << "the first game's score is the best";
  EXPECT_GT(crashes, 0) << "a ship nobody steers is hit, and the crash sounds";
  std::string saved = testing_support::ReadFile(work.File("Pelbrix.ini"));
  EXPECT_NE(saved, "HighScore=000000000000\r\n");
  auto volumes = host.headlessAudio().Calls("SetMusicVolume");
  ASSERT_FALSE(volumes.empty());
  EXPECT_EQ(volumes.back().value, 0.0) << "the music faded out before the end";
}

}  // namespace
