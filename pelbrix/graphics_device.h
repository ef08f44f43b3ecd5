#pragma once
#include <cstdint>
#include <memory>

#include "platform/render_device.h"
#include "platform/window.h"

// What the device says when asked whether it can draw.
enum class CooperativeLevel {
  Ok,
  Lost,      // nothing can be shown now (a fullscreen window that is minimised)
  NotReset,  // showing is possible again, after a reset
};

// The drawing device of the game's window: creation with its fallbacks, reset after a change of
// screen mode or a lost device, and presentation.
class GraphicsDevice {
 public:
  explicit GraphicsDevice(platform::Window& window);

  // Creates the device if there is none, else gives it the current back-buffer size. False
  // when no device could be made or the reset failed; the device then reports NotReset until
  // a reset succeeds, so the frame loop tries again on its next frame.
  bool ResetDevice();
  // Shows the back buffer; inverts the flip parity when that worked.
  bool PresentFrame();
  CooperativeLevel TestCooperativeLevel();

  // Clears colour and depth of the whole viewport; depth to 1.0.
  void ClearTarget(uint32_t argb);
  // Light number index (only 0 exists) with white diffuse colour, shining along (x, y, z).
  void SetSceneLight(int index, int type, float x, float y, float z, float range);

  static constexpr int kDepthFormatD16 = 80;

  platform::Window& window;
  std::unique_ptr<platform::RenderDevice> device;  // absent until the first creation succeeds
  int backBufferWidth = 0;
  int backBufferHeight = 0;
  bool fullscreen = false;
  // The rate at which presenting paces the loop, in Hz: the display's refresh rate when the
  // present waits for it, 0 when it does not (no vertical sync) or cannot be read. ApplyScreenMode
  // writes the requested rate before a reset; the reset replaces it with the real one.
  int refreshRate = 60;
  // Which of the two buffers the window system would show; true after each create or reset.
  bool flipParity = true;
  int depthStencilFormat = kDepthFormatD16;

 private:
  bool Failed();

  bool lostSinceReset_ = false;
};
