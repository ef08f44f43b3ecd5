#pragma once
#include <cstdint>
#include <map>

namespace platform {

// The timers of one window, on a clock in microseconds. A timer runs out every period; when
// the program is late to take it, the periods it missed make one event, not many, and the
// next one is due a period after that (so a late program does not get a burst of them).
// No period is shorter than kMinimumPeriodMicros (10 ms): a timer asked for every 0 or 1 ms
// runs every 10 ms, as window timers always have, instead of thousands of times a second.
class WindowTimers {
 public:
  static constexpr uint64_t kMinimumPeriodMicros = 10000;

  // Starts the timer, or starts it again with the new period if it runs already. A period
  // below the minimum is raised to it.
  void Set(int id, uint64_t periodMicros, uint64_t nowMicros);
  void Kill(int id);
  // The id of a timer that has run out (the earliest), restarted for its next period.
  bool TakeDue(uint64_t nowMicros, int& id);
  // When the next timer runs out; false when no timer runs.
  bool NextDue(uint64_t& micros) const;
  // The period of a running timer.
  bool Period(int id, uint64_t& periodMicros) const;

 private:
  struct Timer {
    uint64_t period;
    uint64_t due;
  };
  std::map<int, Timer> timers_;
};

}  // namespace platform
