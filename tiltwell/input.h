#pragma once
#include <array>
#include <cstdint>

#include "platform/window.h"

// The maze game's keyboard: the key states of the current and the previous update, as the
// window's 256-entry virtual-key state gives them (bit 7 set while a key is down). A key reads
// as one of four states: 0 up, 1 pressed since the last update, 2 released since it, 3 held.
// A key is down when its state is odd.
class INPUT {
 public:
  static constexpr int kUp = 0, kPressed = 1, kReleased = 2, kHeld = 3;

  int Clear();  // both arrays zeroed; 0
  // previous = current, then current = the window's key state now; 0.
  int Update(const platform::Window& window);
  // (previous down ? 2 : 0) + (current down ? 1 : 0), by virtual-key code.
  int State(uint8_t virtualKey) const;

 private:
  std::array<uint8_t, 256> current_{}, previous_{};
};
