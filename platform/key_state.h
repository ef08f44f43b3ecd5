#pragma once
#include <array>
#include <cstdint>

#include "platform/events.h"

namespace platform {

// Which keys are down by virtual-key code, as of the last key event a program took from its
// window's queue: the state its messages agree with, whatever the keyboard does meanwhile.
// A key tapped faster than the program reads its messages is still down while the program
// handles its key-down message. The generic Shift, Control and Alt codes are down while
// either key of their pair is.
class KeyStateTracker {
 public:
  void Apply(const Event& event);
  void Clear() { down_.fill(false); }
  bool Held(uint8_t virtualKey) const;
  // 256 bytes by virtual-key code, bit 7 set for a key that is down.
  std::array<uint8_t, 256> Snapshot() const;

 private:
  std::array<bool, 256> down_{};  // by the specific code (left and right keys apart)
};

}  // namespace platform
