// A whole game through the program's entry point on the headless backend: the title, START,
// GET READY, a short stage with music and its fade-out, GAME OVER and back to the title; the
// best score is in "Pelbrix.ini" afterwards.
#include <gtest/gtest.h>

#include "pelbrix/game/pelbrix.h"
#include "pelbrix/game/pelbrix_main.h"
#include "platform/headless/headless_host.h"
#include "platform/key_codes.h"
#include "tests/support/args.h"
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
