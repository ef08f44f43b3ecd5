// Nothing is allocated while the side-bar shooter plays: half a minute of the stage, its
// formations, volleys and rings of bullets, drawn every tick, takes nothing from the heap.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/headless/headless_host.h"
#include "platform/key_codes.h"
#include "quenmark/quenmark_program.h"
#include "tests/quenmark/fake_pictures.h"
#include "tests/support/allocation_counter.h"
#include "tests/support/environment.h"

namespace {

TEST(QuenmarkAllocations, HalfAMinuteOfTheStageAllocatesNothing) {
  testing_support::TempWorkingFolder work;
  testing_support::TempLockFolder locks;
  ASSERT_TRUE(quenmark_test::WriteFakePictures(work.path()));
  platform::HeadlessOptions options;
  options.drawing = platform::HeadlessDrawing::CountingOnly;
  platform::HeadlessHost host(options);
  namespace dik = platform::dik;
  host.Tap(300, dik::Z);             // Start
  host.KeyDown(1000, dik::Z);        // fire all the time
  host.KeyDown(1000, dik::X);        // and rescue when hit
  host.KeyDown(1000, dik::LEFT);
  QuenmarkProgram program(host);
  ASSERT_EQ(program.StartUp(), -1);
  auto runTo = [&](double ms, int* most) {
    while (double(host.virtualClock().Ticks()) < ms && program.Step()) {
      if (!most) continue;
      int inUse = 0;
      for (const Shot& s : program.game().shots) inUse += s.kind != Shot::kFree;
      *most = std::max(*most, inUse);
    }
  };
  runTo(5000, nullptr);
  ASSERT_EQ(program.game().gameState, kPlayingState);
  int most = 0;
  {
    testing_support::AllocationCounter counter;
    runTo(35000, &most);
    EXPECT_EQ(counter.allocations(), 0u);
  }
  EXPECT_GT(program.game().stageClock, 1500u);
  EXPECT_GT(most, 100) << "shots and bullets in flight at once";
  program.ShutDown();
}

}  // namespace
