#pragma once
#include "platform/input.h"
#include "platform/window.h"
#include "quenmark/input_word.h"

// The keyboard as the side-bar shooter reads it: once a tick, into an input word. The keyboard
// can be read only while the game's window is in the foreground; a tick that cannot read it
// gets exactly kUnreadable, and the first tick that can again sees no key held.
class Keyboard {
 public:
  Keyboard(platform::Input& input, const platform::Window& window) : input_(input), window_(window) {}
  InputWord ReadKeyboard();
  // The word for a keyboard state (256 bytes by key code, bit 7 set while held).
  static InputWord WordOf(const platform::KeyboardState& keys);

 private:
  platform::Input& input_;
  const platform::Window& window_;
  bool lost_ = false;
};
