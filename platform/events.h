#pragma once
#include <cstdint>

namespace platform {

enum class EventType {
  CloseRequested,     // the close box, or the window system asking the program to end
  FocusGained,        // the window became the foreground window
  FocusLost,
  Minimized,
  Restored,           // shown again after being minimised
  MaximizeRequested,  // the maximise box or a double click on the caption; the window is not
                      // maximised by the layer, the program decides what it means
  Exposed,            // part of the window must be painted again
  KeyDown,            // also sent again while a key is held (the window system's key repeat)
  KeyUp,
  MouseMove,
  MouseButtonDown,
  MouseButtonUp,
  Timer,              // a window timer of the program's has run out (see Window::SetTimer)
};

enum class MouseButton { Left, Middle, Right };

struct KeyModifiers {
  bool shift = false;
  bool control = false;
  bool alt = false;
};

struct Event {
  EventType type = EventType::Exposed;
  // Key events: the key's DirectInput code and the virtual-key code of its message (one code
  // for both Shift keys, and so on), whether this is a repeat of a held key, and the
  // modifier keys held at the time.
  uint8_t key = 0;
  uint8_t virtualKey = 0;
  bool repeat = false;
  KeyModifiers modifiers;
  // Mouse events: the position in client pixels, and the button.
  int x = 0;
  int y = 0;
  MouseButton button = MouseButton::Left;
  // Timer events: the id given to SetTimer.
  int timerId = 0;
};

}  // namespace platform
