#pragma once
#include <cstdint>

#include "platform/clock.h"

namespace platform {

// A clock that only moves when told to: by the test, by Sleep, and by a small cost on every
// reading, the way a real loop that polls the clock spends time doing so.
class VirtualClock : public Clock {
 public:
  VirtualClock(uint32_t startTicks, bool counterAvailable, uint32_t readCostMicros,
               int64_t startSeconds)
      : startTicks_(startTicks), counterAvailable_(counterAvailable), readCost_(readCostMicros),
        startSeconds_(startSeconds) {}

  bool Counter(uint64_t& counts) override;
  bool CounterFrequency(uint64_t& countsPerSecond) override;
  uint32_t Ticks() override;
  int64_t SecondsSinceEpoch() override { return startSeconds_ + int64_t(now_ / 1000000); }
  void Sleep(uint32_t milliseconds) override;

  uint64_t nowMicros() const { return now_; }
  double nowMilliseconds() const { return now_ / 1000.0; }
  void Advance(uint64_t micros) { now_ += micros; }
  void AdvanceTo(uint64_t micros) {
    if (micros > now_) now_ = micros;
  }
  uint64_t sleptMicros() const { return slept_; }

  static constexpr uint64_t kCountsPerSecond = 1000000;

 private:
  uint64_t now_ = 0;
  uint64_t slept_ = 0;
  uint32_t startTicks_;
  bool counterAvailable_;
  uint32_t readCost_;
  int64_t startSeconds_;
};

}  // namespace platform
