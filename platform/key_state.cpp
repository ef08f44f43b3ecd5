#include "platform/key_state.h"

#include "platform/key_codes.h"

namespace platform {

void KeyStateTracker::Apply(const Event& event) {
  if (event.type != EventType::KeyDown && event.type != EventType::KeyUp) return;
  uint8_t specific = VirtualKeyOf(event.key);
  if (specific == 0) specific = event.virtualKey;
  down_[specific] = event.type == EventType::KeyDown;
}

bool KeyStateTracker::Held(uint8_t virtualKey) const {
  switch (virtualKey) {
    case vk::SHIFT: return down_[vk::LSHIFT] || down_[vk::RSHIFT];
    case vk::CONTROL: return down_[vk::LCONTROL] || down_[vk::RCONTROL];
    case vk::MENU: return down_[vk::LMENU] || down_[vk::RMENU];
    default: return down_[virtualKey];
  }
}

std::array<uint8_t, 256> KeyStateTracker::Snapshot() const {
  std::array<uint8_t, 256> state{};
  for (int code = 0; code < 256; ++code) state[code] = Held(uint8_t(code)) ? 0x80 : 0;
  return state;
}

}  // namespace platform
