#pragma once
#include <cstdint>

namespace platform {

// Time as the games read it: a high-resolution counter and a millisecond tick count. The real
// backend reads the machine's clocks; the headless one keeps a virtual clock that tests advance.
class Clock {
 public:
  virtual ~Clock() = default;

  // The high-resolution counter in counts, and its counts per second. Both are false on a
  // machine without one; callers then fall back to Ticks().
  virtual bool Counter(uint64_t& counts) = 0;
  virtual bool CounterFrequency(uint64_t& countsPerSecond) = 0;

  // Milliseconds since an arbitrary start. Wraps after 2^32 ms; differences taken as unsigned
  // 32-bit values stay right across the wrap.
  virtual uint32_t Ticks() = 0;

  // Seconds since 1970-01-01 00:00 UTC, as a program reads the time of day to seed a generator.
  virtual int64_t SecondsSinceEpoch() = 0;

  // Gives up the processor for about this many milliseconds.
  virtual void Sleep(uint32_t milliseconds) = 0;
};

}  // namespace platform
