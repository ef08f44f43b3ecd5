#include "tests/support/offscreen.h"

#include <cstdio>
#include <cstdlib>

namespace testing_support {

namespace {
platform::HeadlessOptions GlOptions() {
  platform::HeadlessOptions o;
  o.drawing = platform::HeadlessDrawing::OffscreenGl;
  return o;
}
}  // namespace

OffscreenDevice::OffscreenDevice(int width, int height) : host(GlOptions()) {
  platform::WindowDesc desc;
  desc.clientWidth = width;
  desc.clientHeight = height;
  window = host.CreateWindow(desc);
  platform::DeviceRequest request;
  request.backBufferWidth = width;
  request.backBufferHeight = height;
  device = window->CreateRenderDevice(request);
}

platform::Image OffscreenDevice::Read() {
  platform::Image image;
  if (device) device->ReadBackBuffer(image);
  return image;
}

std::string Hex(uint32_t argb) {
  char text[16];
  std::snprintf(text, sizeof text, "#%08X", argb);
  return text;
}

bool Near(uint32_t a, uint32_t b, int tolerance) {
  for (int shift = 0; shift < 32; shift += 8)
    if (std::abs(int((a >> shift) & 255) - int((b >> shift) & 255)) > tolerance) return false;
  return true;
}

}  // namespace testing_support
