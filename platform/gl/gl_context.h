#pragma once
#include "platform/window.h"

namespace platform {

// An OpenGL 3.3 core context and the surface it shows its pictures on. The real backend's is a
// window's; the headless backend's has no surface at all (EGL, surfaceless).
//
// A device shares its context with every texture and mesh it made, so each of them deletes its
// GL objects with the context current, whatever order they are destroyed in. When the window
// goes away first, the window releases the context before its surface is freed: the context
// and every GL object in it are gone at once, MakeCurrent fails from then on, and drawing,
// presenting and destroying become no-ops.
class GlContext {
 public:
  virtual ~GlContext() = default;
  // False once the context has been released.
  virtual bool MakeCurrent() = 0;
  // The size of the default framebuffer in pixels, or 0 x 0 when there is none to show on.
  virtual Size drawableSize() = 0;
  virtual void SwapBuffers() = 0;
  // The rate at which SwapBuffers waits for the display, 0 when it does not wait.
  virtual int presentationRate() = 0;
  // Destroys the context with all its objects; called by the window before it goes.
  virtual void Release() = 0;
  virtual bool released() const = 0;
};

}  // namespace platform
