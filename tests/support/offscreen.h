#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "platform/headless/headless_host.h"
#include "platform/image.h"
#include "platform/render_device.h"

namespace testing_support {

// A headless host with one window whose device draws with GL into an offscreen back buffer.
struct OffscreenDevice {
  explicit OffscreenDevice(int width = 64, int height = 64);
  platform::HeadlessHost host;
  std::unique_ptr<platform::Window> window;
  std::unique_ptr<platform::RenderDevice> device;

  platform::Image Read();  // the back buffer, top row first
};

// "#AARRGGBB" for failure messages.
std::string Hex(uint32_t argb);
// Whether every channel of two colours is within tolerance.
bool Near(uint32_t a, uint32_t b, int tolerance);

}  // namespace testing_support
