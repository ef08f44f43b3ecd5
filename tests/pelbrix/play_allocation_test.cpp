// Nothing is allocated while the shooter plays: hundreds of frames of a hard stage, with
// hundreds of bullets coming and going, take nothing from the heap.
#include <gtest/gtest.h>

#include "pelbrix/game/pelbrix.h"
#include "platform/headless/headless_host.h"
#include "tests/support/allocation_counter.h"
#include "tests/support/args.h"
#include "tests/support/environment.h"

namespace {

TEST(PlayAllocations, AHardStageFullOfBulletsAllocatesNothing) {
  testing_support::TempWorkingFolder work;
  platform::HeadlessOptions options;
  options.drawing = platform::HeadlessDrawing::CountingOnly;
  options.recordAudioCalls = false;
  options.programFilePath = std::string(GAMES_LAYOUT_DIR) + "/pelbrix/bin/Pelbrix";
  platform::HeadlessHost host(options);
  CPelbrix game(host, 1, testing_support::Args({}).argv());
  game.frameSkip = false;
  game.script->Parse({"play 0", "enemy EneA -30", "enemy EneB -10", "enemy EneC 10", "enemy EneD 30",
                      "enemy EneE 0", "enemy EneF 20", "wait 60", "enemy EneA 30", "enemy EneE -30",
                      "wait 60", "fadeout 120", "wait 600", "gameover"});
  game.hardMode = true;
  game.StartGame();
  for (int frame = 0; frame < 100; ++frame) {
    game.Move();
    game.Draw();
  }
  int most = 0;
  testing_support::AllocationCounter counter;
  for (int frame = 0; frame < 400; ++frame) {
    game.Move();
    game.Draw();
    most = std::max(most, game.bulletList.capacity() - game.bulletList.freeCount());
  }
  EXPECT_EQ(counter.allocations(), 0u);
  EXPECT_GT(most, 200) << "hundreds of bullets on the field at once";
}

}  // namespace
