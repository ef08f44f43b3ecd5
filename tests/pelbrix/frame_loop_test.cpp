// The frame loop on the virtual clock: how many Moves and Draws time and events produce.
#include <gtest/gtest.h>

#include "platform/headless/headless_host.h"
#include "tests/pelbrix/counting_game.h"

namespace {

using platform::EventType;
using platform::HeadlessHost;
using platform::HeadlessOptions;

constexpr double kFrameMs = 1000.0 / 60;
constexpr uint64_t kThreeFramesMicros = 50000;

HeadlessOptions Quiet() {
  HeadlessOptions o;
  o.clockReadCostMicros = 1;
  return o;
}

TEST(FrameLoop, WithoutFrameSkipASlowFrameGivesOneMoveAndOneDraw) {
  HeadlessHost host(Quiet());
  CountingGame game(host);
  game.frameSkip = false;
  game.onMove = [](CountingGame& g) {
    if (g.moves == 5) g.headless.virtualClock().Advance(kThreeFramesMicros);
    if (g.moves == 8) g.PostQuitMessage();
  };
  game.Run();
  EXPECT_EQ(game.Sequence(), "RMDMDMDMDMDMDMDMD");
  // The Move after the slow one comes at once, with the accumulator emptied...
  const auto& slowDraw = game.calls[10];
  const auto& next = game.calls[11];
  ASSERT_EQ(slowDraw.what, 'D');
  ASSERT_EQ(next.what, 'M');
  EXPECT_LT(next.milliseconds - slowDraw.milliseconds, 1.0);
  EXPECT_EQ(next.accumulator, 0.0);
  // ...and the one after that waits a whole frame again: the lost time is not made up.
  EXPECT_NEAR(game.calls[13].milliseconds - next.milliseconds, kFrameMs, 1.0);
}

TEST(FrameLoop, WithFrameSkipASlowFrameIsCaughtUpBeforeTheNextDraw) {
  HeadlessHost host(Quiet());
  CountingGame game(host);
  game.frameSkip = true;
  game.onMove = [](CountingGame& g) {
    if (g.moves == 5) g.headless.virtualClock().Advance(kThreeFramesMicros);
    if (g.moves == 10) g.PostQuitMessage();
  };
  game.Run();
  EXPECT_EQ(game.Sequence().substr(0, 17), "RMDMDMDMDMDMMMDMD");
  const auto& caughtUpDraw = game.calls[14];
  ASSERT_EQ(caughtUpDraw.what, 'D');
  EXPECT_GT(caughtUpDraw.accumulator, 0.0) << "the fraction stays in the accumulator";
  EXPECT_LT(caughtUpDraw.accumulator, 1.0);
}

TEST(FrameLoop, BackgroundTimeNeitherMovesNorDrawsNorCounts) {
  HeadlessHost host(Quiet());
  CountingGame game(host);
  game.frameSkip = true;
  host.SetFocus(100, false);
  host.SetFocus(5100, true);
  game.onMove = [](CountingGame& g) {
    if (g.headless.virtualClock().nowMilliseconds() > 5300) g.PostQuitMessage();
  };
  game.Run();
  EXPECT_EQ(game.Count('M', 101, 5100), 0);
  EXPECT_EQ(game.Count('D', 101, 5100), 0);
  // Back in front: one frame at a time, not five seconds' worth at once.
  EXPECT_LE(game.Count('M', 5100, 5100 + kFrameMs), 1);
  EXPECT_NEAR(game.moves, (100 + 200) / kFrameMs, 3);
}

TEST(FrameLoop, ExposeDrawsWithoutMoving) {
  HeadlessHost host(Quiet());
  CountingGame game(host);
  game.frameSkip = false;
  platform::Event expose;
  expose.type = EventType::Exposed;
  host.At(50, expose);
  game.StopAfterMoves(10);
  game.Run();
  EXPECT_EQ(game.draws, game.moves + 1) << game.Sequence();
  EXPECT_NE(game.Sequence().find("DD"), std::string::npos) << game.Sequence();
}

TEST(FrameLoop, PacesItselfBySleepingWhenPresentDoesNotWait) {
  HeadlessHost host(Quiet());
  CountingGame game(host);
  game.onMove = [](CountingGame& g) {
    if (g.headless.virtualClock().nowMilliseconds() >= 1000) g.PostQuitMessage();
  };
  game.Run();
  EXPECT_EQ(game.graphicsDevice->refreshRate, 0);
  EXPECT_NEAR(game.moves, 60, 1);
  // Nearly all the time between frames is spent asleep, not polling the clock.
  EXPECT_GT(host.virtualClock().sleptMicros(), 850000u);
}

TEST(FrameLoop, WhenPresentWaitsForTheDisplayEveryPassIsAFrame) {
  HeadlessOptions options = Quiet();
  options.presentationRate = 60;
  HeadlessHost host(options);
  CountingGame game(host);
  game.onMove = [](CountingGame& g) {
    if (g.headless.virtualClock().nowMilliseconds() >= 1000) g.PostQuitMessage();
  };
  game.Run();
  EXPECT_EQ(game.graphicsDevice->refreshRate, 60);
  EXPECT_NEAR(game.moves, 60, 1);
  EXPECT_EQ(host.virtualClock().sleptMicros(), 0u);
}

TEST(FrameLoop, FallsBackToTheTickCountAcrossItsWrap) {
  HeadlessOptions options = Quiet();
  options.counterAvailable = false;
  options.startTicks = 0xFFFFFFFFu - 300;  // wraps 0.3 s in
  HeadlessHost host(options);
  CountingGame game(host);
  game.onMove = [](CountingGame& g) {
    if (g.headless.virtualClock().nowMilliseconds() >= 1000) g.PostQuitMessage();
  };
  game.Run();
  EXPECT_NEAR(game.moves, 60, 2);
}

TEST(FrameLoop, LostDeviceSkipsDrawingThenResetsOnce) {
  HeadlessHost host(Quiet());
  CountingGame game(host, {"-f"});
  game.pauseWhenInactive = false;  // keep the loop running while minimised
  platform::Event e;
  e.type = EventType::Minimized;
  host.At(100, e);
  e.type = EventType::Restored;
  host.At(600, e);
  game.onMove = [](CountingGame& g) {
    if (g.headless.virtualClock().nowMilliseconds() >= 800) g.PostQuitMessage();
  };
  game.Run();
  EXPECT_EQ(game.Count('D', 120, 600), 0);
  EXPECT_GT(game.Count('M', 120, 600), 0) << "the game still moves";
  EXPECT_EQ(game.lostDevices, 1);
  EXPECT_EQ(game.resetDevices, 2) << "once at the start of Run, once after the loss";
  EXPECT_GT(game.Count('D', 600, 800), 0);
}

}  // namespace
