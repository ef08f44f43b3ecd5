#include "tiltwell/input.h"

int INPUT::Clear() {
  current_.fill(0);
  previous_.fill(0);
  return 0;
}

int INPUT::Update(const platform::Window& window) {
  previous_ = current_;
  for (int key = 0; key < 256; ++key) current_[size_t(key)] = window.KeyHeld(uint8_t(key)) ? 0x80 : 0;
  return 0;
}

int INPUT::State(uint8_t virtualKey) const {
  return (previous_[virtualKey] & 0x80 ? 2 : 0) + (current_[virtualKey] & 0x80 ? 1 : 0);
}
