#include "platform/sdl/sdl_input.h"

#include <SDL.h>

#include <algorithm>
#include <vector>

#include "platform/key_codes.h"
#include "platform/sdl/sdl_key_map.h"
#include "platform/window.h"

namespace platform {
namespace {

// SDL's axes run -32768..32767; the games expect -1000..1000.
int ScaleAxis(Sint16 value) { return std::clamp(int(value) * 1000 / 32767, -1000, 1000); }

class SdlInput : public Input {
 public:
  SdlInput() { OpenAttached(); }
  ~SdlInput() override {
    for (Device& d : devices_) Close(d);
  }

  bool ReadKeyboard(const Window& window, KeyboardState& out) override {
    out.fill(0);
    if (!window.hasFocus()) return false;
    SDL_PumpEvents();
    int count = 0;
    const Uint8* keys = SDL_GetKeyboardState(&count);
    for (int scancode = 0; scancode < count; ++scancode)
      if (keys[scancode]) {
        uint8_t code = DikFromScancode(SDL_Scancode(scancode));
        if (code) out[code] = 0x80;
      }
    return true;
  }

  int controllerCount() override {
    Refresh();
    return int(devices_.size());
  }

  bool ReadController(const Window& window, int index, ControllerState& out) override {
    out = ControllerState{};
    if (!window.hasFocus() || index < 0 || index >= int(devices_.size())) return false;
    SDL_GameControllerUpdate();
    SDL_JoystickUpdate();
    Device& d = devices_[index];
    if (d.controller) {
      // A known pad: its left stick and its face buttons A, B, X, Y as buttons 0 to 3, then
      // the rest in SDL's order.
      out.axisX = ScaleAxis(SDL_GameControllerGetAxis(d.controller, SDL_CONTROLLER_AXIS_LEFTX));
      out.axisY = ScaleAxis(SDL_GameControllerGetAxis(d.controller, SDL_CONTROLLER_AXIS_LEFTY));
      for (int b = 0; b < SDL_CONTROLLER_BUTTON_MAX && b < int(out.buttons.size()); ++b)
        out.buttons[b] = SDL_GameControllerGetButton(d.controller, SDL_GameControllerButton(b));
      // The d-pad steers as the stick does.
      if (SDL_GameControllerGetButton(d.controller, SDL_CONTROLLER_BUTTON_DPAD_LEFT)) out.axisX = -1000;
      if (SDL_GameControllerGetButton(d.controller, SDL_CONTROLLER_BUTTON_DPAD_RIGHT)) out.axisX = 1000;
      if (SDL_GameControllerGetButton(d.controller, SDL_CONTROLLER_BUTTON_DPAD_UP)) out.axisY = -1000;
      if (SDL_GameControllerGetButton(d.controller, SDL_CONTROLLER_BUTTON_DPAD_DOWN)) out.axisY = 1000;
      return true;
    }
    if (!SDL_JoystickGetAttached(d.joystick)) return false;
    if (SDL_JoystickNumAxes(d.joystick) > 0) out.axisX = ScaleAxis(SDL_JoystickGetAxis(d.joystick, 0));
    if (SDL_JoystickNumAxes(d.joystick) > 1) out.axisY = ScaleAxis(SDL_JoystickGetAxis(d.joystick, 1));
    int buttons = std::min(SDL_JoystickNumButtons(d.joystick), int(out.buttons.size()));
    for (int b = 0; b < buttons; ++b) out.buttons[b] = SDL_JoystickGetButton(d.joystick, b);
    return true;
  }

 private:
  struct Device {
    SDL_JoystickID id = -1;
    SDL_GameController* controller = nullptr;
    SDL_Joystick* joystick = nullptr;
  };

  void OpenAttached() {
    for (int i = 0; i < SDL_NumJoysticks(); ++i) Open(i);
  }

  void Open(int deviceIndex) {
    Device d;
    d.id = SDL_JoystickGetDeviceInstanceID(deviceIndex);
    for (const Device& known : devices_)
      if (known.id == d.id) return;
    if (SDL_IsGameController(deviceIndex)) {
      d.controller = SDL_GameControllerOpen(deviceIndex);
      if (d.controller) d.joystick = SDL_GameControllerGetJoystick(d.controller);
    } else {
      d.joystick = SDL_JoystickOpen(deviceIndex);
    }
    if (d.joystick) devices_.push_back(d);
  }

  static void Close(Device& d) {
    if (d.controller) SDL_GameControllerClose(d.controller);
    else if (d.joystick) SDL_JoystickClose(d.joystick);
    d.controller = nullptr;
    d.joystick = nullptr;
  }

  // Controllers plugged in while the game runs are added at the end; unplugged ones leave.
  void Refresh() {
    devices_.erase(std::remove_if(devices_.begin(), devices_.end(),
                                  [](Device& d) {
                                    if (SDL_JoystickGetAttached(d.joystick)) return false;
                                    Close(d);
                                    return true;
                                  }),
                   devices_.end());
    if (SDL_NumJoysticks() != int(devices_.size())) OpenAttached();
  }

  std::vector<Device> devices_;
};

}  // namespace

std::unique_ptr<Input> CreateSdlInput() { return std::make_unique<SdlInput>(); }

}  // namespace platform
