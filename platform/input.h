#pragma once
#include <array>
#include <cstdint>

namespace platform {

class Window;

// 256 bytes indexed by DirectInput key code; bit 7 set while the key is held.
using KeyboardState = std::array<uint8_t, 256>;

// A game controller as the games read it: the first stick's axes scaled to -1000..1000
// (negative = left / up) and its buttons, button 0 first.
struct ControllerState {
  int axisX = 0;
  int axisY = 0;
  std::array<bool, 32> buttons{};
};

// Keyboard and game controllers. Reads are tied to a window: while that window is not the
// foreground window they fail, as reads of devices held for the foreground do.
class Input {
 public:
  virtual ~Input() = default;
  virtual bool ReadKeyboard(const Window& window, KeyboardState& out) = 0;
  // Attached controllers, in the order they were found.
  virtual int controllerCount() = 0;
  virtual bool ReadController(const Window& window, int index, ControllerState& out) = 0;
};

}  // namespace platform
