#include "pelbrix/input_devices.h"

#include <algorithm>
#include <cstring>

#include "platform/key_codes.h"

namespace dik = platform::dik;

namespace {

constexpr int kStickDeadZone = 200;
constexpr int kStickFull = 800;

void Clear(PlayerInput& record) { std::memset(&record, 0, sizeof record); }

bool Held(const platform::KeyboardState& keys, uint8_t code) { return (keys[code] & 0x80) != 0; }

// -1 when the first is held, else +1 when the second is, else 0.
float Digital(bool negative, bool positive) { return negative ? -1.0f : positive ? 1.0f : 0.0f; }

}  // namespace

float StickAxis(int v) {
  if (v <= -kStickFull) return -1;
  if (v >= kStickFull) return 1;
  if (v < -kStickDeadZone) return float(v + kStickDeadZone) / (kStickFull - kStickDeadZone);
  if (v > kStickDeadZone) return float(v - kStickDeadZone) / (kStickFull - kStickDeadZone);
  return 0;
}

InputDevices::InputDevices(platform::Input& input, platform::Window& window)
    : input_(input), window_(window) {
  for (PlayerInput& record : records) Clear(record);
}

void InputDevices::PollAll() {
  for (PlayerInput& record : records) Clear(record);

  platform::KeyboardState keys;
  if (input_.ReadKeyboard(window_, keys)) {
    PlayerInput& r = records[0];
    r.up = Held(keys, dik::UP);
    r.down = Held(keys, dik::DOWN);
    r.left = Held(keys, dik::LEFT);
    r.right = Held(keys, dik::RIGHT);
    r.buttons[0] = Held(keys, dik::RETURN) || Held(keys, dik::SPACE) || Held(keys, dik::Z);
    r.buttons[1] = Held(keys, dik::X);
    r.buttons[2] = Held(keys, dik::C);
    r.buttons[3] = Held(keys, dik::V);
    r.buttons[4] = Held(keys, dik::B);
    r.up2 = Held(keys, dik::E);
    r.down2 = Held(keys, dik::D);
    r.left2 = Held(keys, dik::S);
    r.right2 = Held(keys, dik::F);
    r.axisY += Digital(r.up, r.down);
    r.axisX += Digital(r.left, r.right);
    r.axis2Y += Digital(r.up2, r.down2);
    r.axis2X += Digital(r.left2, r.right2);
  }

  int controllers = std::min(input_.controllerCount(), kRecords);
  for (int i = 0; i < controllers; ++i) {
    platform::ControllerState pad;
    if (!input_.ReadController(window_, i, pad)) continue;
    PlayerInput& r = records[i];
    r.up |= pad.axisY < -kStickDeadZone;
    r.down |= pad.axisY > kStickDeadZone;
    r.left |= pad.axisX < -kStickDeadZone;
    r.right |= pad.axisX > kStickDeadZone;
    for (int b = 0; b < 4; ++b) r.buttons[b] |= pad.buttons[b];
    r.axisX += StickAxis(pad.axisX);
    r.axisY += StickAxis(pad.axisY);
  }
}
