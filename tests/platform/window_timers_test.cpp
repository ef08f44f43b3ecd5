#include "platform/window_timers.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(WindowTimers, RunOutEveryPeriodEarliestFirst) {
  WindowTimers timers;
  timers.Set(1, 1000, 0);
  timers.Set(2, 300, 0);
  int id = -1;
  EXPECT_FALSE(timers.TakeDue(299, id));
  ASSERT_TRUE(timers.TakeDue(300, id));
  EXPECT_EQ(id, 2);
  uint64_t next = 0;
  ASSERT_TRUE(timers.NextDue(next));
  EXPECT_EQ(next, 600u);
  ASSERT_TRUE(timers.TakeDue(1000, id));
  EXPECT_EQ(id, 2) << "600 was due before 1000";
  ASSERT_TRUE(timers.TakeDue(1000, id));
  EXPECT_EQ(id, 1);
}

TEST(WindowTimers, MissedPeriodsMakeOneEvent) {
  WindowTimers timers;
  timers.Set(7, 100, 0);
  int id = 0;
  ASSERT_TRUE(timers.TakeDue(1050, id));  // ten periods late
  EXPECT_FALSE(timers.TakeDue(1050, id));
  uint64_t next = 0;
  ASSERT_TRUE(timers.NextDue(next));
  EXPECT_EQ(next, 1150u);
}

TEST(WindowTimers, SettingAgainRestartsWithTheNewPeriodAndKillStops) {
  WindowTimers timers;
  timers.Set(1, 1000, 0);
  timers.Set(1, 750, 500);
  uint64_t period = 0, next = 0;
  ASSERT_TRUE(timers.Period(1, period));
  EXPECT_EQ(period, 750u);
  ASSERT_TRUE(timers.NextDue(next));
  EXPECT_EQ(next, 1250u);
  timers.Kill(1);
  EXPECT_FALSE(timers.NextDue(next));
  int id = 0;
  EXPECT_FALSE(timers.TakeDue(5000, id));
}

}  // namespace
}  // namespace platform
