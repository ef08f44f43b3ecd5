#pragma once
#include "platform/window.h"

namespace platform {

// An OpenGL 3.3 core context and the surface it shows its pictures on. The real backend's is a
// window's; the headless backend's has no surface at all (EGL, surfaceless).
class GlContext {
 public:
  virtual ~GlContext() = default;
  virtual bool MakeCurrent() = 0;
  // The size of the default framebuffer in pixels, or 0 x 0 when there is none to show on.
  virtual Size drawableSize() = 0;
  virtual void SwapBuffers() = 0;
  // The rate at which SwapBuffers waits for the display, 0 when it does not wait.
  virtual int presentationRate() = 0;
};

}  // namespace platform
