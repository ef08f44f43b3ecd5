#pragma once
#include "platform/input.h"
#include "platform/window.h"

// One player's input for the current tick: levels only (held or not, axis positions).
struct PlayerInput {
  bool up, down, left, right;
  bool buttons[128];
  bool up2, down2, left2, right2;  // a second direction set, from the keyboard only
  float axisX, axisY;              // the first stick, negative = left / up
  float axis2X, axis2Y;            // the second direction set
};

// The keyboard and the game controllers, folded into 16 player records: the keyboard and the
// first controller feed record 0, the second controller record 1, and so on.
//   keyboard: arrows = directions; Return, Space, Z = button 0; X, C, V, B = buttons 1 to 4;
//             E, D, S, F = the second direction set
//   controller: a stick past 200 of 1000 sets its direction flag; buttons 0 to 3
// The axes add up: a key gives -1 or +1, a stick its position (full at 800), so record 0 can
// reach -2 or +2.
class InputDevices {
 public:
  static constexpr int kRecords = 16;

  InputDevices(platform::Input& input, platform::Window& window);

  // Refreshes all records. While the window is not in the foreground every record is clear.
  void PollAll();

  PlayerInput records[kRecords];

 private:
  platform::Input& input_;
  platform::Window& window_;
};

// A stick position (-1000..1000) as an axis value: 0 inside ±200, ±1 from ±800, linear between.
float StickAxis(int value);
