#include "platform/window_timers.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

// Times in microseconds.
TEST(WindowTimers, RunOutEveryPeriodEarliestFirst) {
  WindowTimers timers;
  timers.Set(1, 100000, 0);
  timers.Set(2, 30000, 0);
  int id = -1;
  EXPECT_FALSE(timers.TakeDue(29999, id));
  ASSERT_TRUE(timers.TakeDue(30000, id));
  EXPECT_EQ(id, 2);
  uint64_t next = 0;
  ASSERT_TRUE(timers.NextDue(next));
  EXPECT_EQ(next, 60000u);
  ASSERT_TRUE(timers.TakeDue(100000, id));
  EXPECT_EQ(id, 2) << "60000 was due before 100000";
  ASSERT_TRUE(timers.TakeDue(100000, id));
  EXPECT_EQ(id, 1);
}

TEST(WindowTimers, MissedPeriodsMakeOneEvent) {
  WindowTimers timers;
  timers.Set(7, 10000, 0);
  int id = 0;
  ASSERT_TRUE(timers.TakeDue(105000, id));  // ten periods late
  EXPECT_FALSE(timers.TakeDue(105000, id));
  uint64_t next = 0;
  ASSERT_TRUE(timers.NextDue(next));
  EXPECT_EQ(next, 115000u);
}

TEST(WindowTimers, SettingAgainRestartsWithTheNewPeriodAndKillStops) {
  WindowTimers timers;
  timers.Set(1, 100000, 0);
  timers.Set(1, 75000, 50000);
  uint64_t period = 0, next = 0;
  ASSERT_TRUE(timers.Period(1, period));
  EXPECT_EQ(period, 75000u);
  ASSERT_TRUE(timers.NextDue(next));
  EXPECT_EQ(next, 125000u);
  timers.Kill(1);
  EXPECT_FALSE(timers.NextDue(next));
  int id = 0;
  EXPECT_FALSE(timers.TakeDue(500000, id));
}

TEST(WindowTimers, PeriodsBelowTenMillisecondsAreRaisedToTen) {
  for (uint64_t asked : {0u, 1000u, 9999u}) {
    WindowTimers timers;
    timers.Set(1, asked, 0);
    uint64_t period = 0;
    ASSERT_TRUE(timers.Period(1, period));
    EXPECT_EQ(period, 10000u) << "a period of " << asked << " us runs every 10 ms";
  }
  WindowTimers timers;
  timers.Set(1, 15625, 0);  // the flag game's tick, 1/64 s
  uint64_t period = 0;
  ASSERT_TRUE(timers.Period(1, period));
  EXPECT_EQ(period, 15625u) << "periods of 10 ms and more are kept";
}

}  // namespace
}  // namespace platform
