#include "platform/headless/virtual_clock.h"

namespace platform {

bool VirtualClock::Counter(uint64_t& counts) {
  if (!counterAvailable_) return false;
  now_ += readCost_;
  counts = now_;
  return true;
}

bool VirtualClock::CounterFrequency(uint64_t& countsPerSecond) {
  if (!counterAvailable_) return false;
  countsPerSecond = kCountsPerSecond;
  return true;
}

uint32_t VirtualClock::Ticks() {
  now_ += readCost_;
  return uint32_t(startTicks_ + now_ / 1000);
}

void VirtualClock::Sleep(uint32_t milliseconds) {
  now_ += uint64_t(milliseconds) * 1000;
  slept_ += uint64_t(milliseconds) * 1000;
}

}  // namespace platform
