#include "pelbrix/graphics_device.h"

namespace {

// The device kinds tried at creation, in order: whether each needs a driver's accelerated
// context. GL has no choice of vertex processing, so the three hardware attempts (mixed,
// hardware, software vertex processing) ask for the same thing; the last one, the reference
// device, also takes a software renderer.
constexpr bool kCreationAttemptsRequireAcceleration[] = {true, true, true, false};

}  // namespace

GraphicsDevice::GraphicsDevice(platform::Window& w) : window(w) {
  platform::Size client = window.clientSize();
  backBufferWidth = client.width;
  backBufferHeight = client.height;
  ResetDevice();
}

bool GraphicsDevice::ResetDevice() {
  if (fullscreen) {
    window.SetFullscreen(true);
  } else {
    // Back to the framed window, at the top-left corner with the back buffer's size.
    window.SetFullscreen(false);
    window.SetClientSize(backBufferWidth, backBufferHeight);
    window.SetPosition(0, 0);
  }
  if (!device) {
    for (bool accelerated : kCreationAttemptsRequireAcceleration) {
      platform::DeviceRequest request;
      request.backBufferWidth = backBufferWidth;
      request.backBufferHeight = backBufferHeight;
      request.requireAccelerated = accelerated;
      request.waitForVsync = true;  // one present per display refresh
      device = window.CreateRenderDevice(request);
      if (device) break;
    }
    if (!device) return Failed();
  } else if (!device->ResizeBackBuffer(backBufferWidth, backBufferHeight)) {
    return Failed();
  }
  backBufferWidth = device->backBufferWidth();
  backBufferHeight = device->backBufferHeight();
  refreshRate = device->presentationRate();
  flipParity = true;
  lostSinceReset_ = false;
  return true;
}

bool GraphicsDevice::Failed() {
  // The device still needs its reset: the next frame asks for it again instead of drawing.
  lostSinceReset_ = true;
  return false;
}

bool GraphicsDevice::PresentFrame() {
  if (!device || !device->Present()) return false;
  flipParity = !flipParity;
  return true;
}

CooperativeLevel GraphicsDevice::TestCooperativeLevel() {
  // A fullscreen picture has nowhere to go while its window is minimised; when the window comes
  // back the device is reset once before drawing goes on.
  if (fullscreen && window.minimized()) {
    lostSinceReset_ = true;
    return CooperativeLevel::Lost;
  }
  return lostSinceReset_ ? CooperativeLevel::NotReset : CooperativeLevel::Ok;
}

void GraphicsDevice::ClearTarget(uint32_t argb) {
  if (device) device->Clear(platform::kClearTarget | platform::kClearDepth, argb, 1.0f);
}

void GraphicsDevice::SetSceneLight(int index, int type, float x, float y, float z, float range) {
  if (!device || index != 0) return;
  platform::Light light;
  light.type = static_cast<platform::LightType>(type);
  light.diffuse = {1, 1, 1, 1};
  light.position = {x, y, z};
  light.direction = platform::Normalize({x, y, z});
  light.range = range;
  device->state.light = light;
  device->state.lightEnabled = true;
  device->state.lighting = true;
}
