#include "platform/headless/egl_context.h"

#include <epoxy/egl.h>

namespace platform {
namespace {

EGLDisplay SurfacelessDisplay() {
  static EGLDisplay display = [] {
    EGLDisplay d = eglGetPlatformDisplayEXT(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
    if (d == EGL_NO_DISPLAY) return EGL_NO_DISPLAY;
    EGLint major = 0, minor = 0;
    if (!eglInitialize(d, &major, &minor)) return EGL_NO_DISPLAY;
    return d;
  }();
  return display;
}

class EglContext : public GlContext {
 public:
  EglContext(EGLDisplay display, EGLContext context, std::function<int()> rate,
             std::function<void()> onSwap, std::function<void()> onUseAfterRelease)
      : display_(display), context_(context), rate_(std::move(rate)), onSwap_(std::move(onSwap)),
        onUseAfterRelease_(std::move(onUseAfterRelease)) {}
  ~EglContext() override { Release(); }
  bool MakeCurrent() override {
    if (context_ == EGL_NO_CONTEXT) {
      if (onUseAfterRelease_) onUseAfterRelease_();
      return false;
    }
    if (eglGetCurrentContext() == context_) return true;
    return eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, context_) == EGL_TRUE;
  }
  void Release() override {
    if (context_ == EGL_NO_CONTEXT) return;
    if (eglGetCurrentContext() == context_)
      eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    eglDestroyContext(display_, context_);
    context_ = EGL_NO_CONTEXT;
  }
  bool released() const override { return context_ == EGL_NO_CONTEXT; }
  Size drawableSize() override { return {}; }
  void SwapBuffers() override {
    if (onSwap_) onSwap_();
  }
  int presentationRate() override { return rate_ ? rate_() : 0; }

 private:
  EGLDisplay display_;
  EGLContext context_;
  std::function<int()> rate_;
  std::function<void()> onSwap_;
  std::function<void()> onUseAfterRelease_;
};

}  // namespace

std::shared_ptr<GlContext> CreateSurfacelessGlContext(std::function<int()> presentationRate,
                                                      std::function<void()> onSwap,
                                                      std::function<void()> onUseAfterRelease) {
  EGLDisplay display = SurfacelessDisplay();
  if (display == EGL_NO_DISPLAY) return nullptr;
  if (!eglBindAPI(EGL_OPENGL_API)) return nullptr;
  const EGLint attributes[] = {EGL_CONTEXT_MAJOR_VERSION, 3, EGL_CONTEXT_MINOR_VERSION, 3,
                               EGL_CONTEXT_OPENGL_PROFILE_MASK,
                               EGL_CONTEXT_OPENGL_CORE_PROFILE_BIT, EGL_NONE};
  EGLContext context = eglCreateContext(display, EGL_NO_CONFIG_KHR, EGL_NO_CONTEXT, attributes);
  if (context == EGL_NO_CONTEXT) return nullptr;
  auto result = std::make_shared<EglContext>(display, context, std::move(presentationRate),
                                             std::move(onSwap), std::move(onUseAfterRelease));
  if (!result->MakeCurrent()) return nullptr;
  return result;
}

}  // namespace platform
