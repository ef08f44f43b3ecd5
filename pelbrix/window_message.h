#pragma once
#include "platform/events.h"

// The messages a CGame's window procedure receives: the window system's events, and the
// commands of the keyboard accelerators.
enum class WindowMessageKind {
  Destroy,           // the window has been destroyed; the loop is told to end
  Paint,             // part of the window must be drawn again
  Close,             // the close box, Esc, or the window system asking the program to end
  Command,           // an accelerator's command number
  Maximize,          // the maximise box, or a double click on the caption
  MouseMove,
  LeftButtonDown, LeftButtonUp,
  MiddleButtonDown, MiddleButtonUp,
  RightButtonDown, RightButtonUp,
  KeyDown, KeyUp,    // keys that are not accelerators
  Activate,          // the window came to the foreground
  Deactivate,        // another window took the foreground
  Minimize, Restore,
  Timer,             // a window timer (the shell sets none)
};

struct WindowMessage {
  WindowMessageKind kind = WindowMessageKind::Paint;
  int command = 0;         // Command
  int x = 0, y = 0;        // mouse messages, client pixels
  platform::Event event;   // the event the message came from
};

// Accelerator commands.
enum : int {
  kCommandClose = 0,
  kCommandToggleFullscreen = 1,
  kCommandHelp = 2,
  kCommandNone = 3,  // Shift+F1: reserved, does nothing
};
