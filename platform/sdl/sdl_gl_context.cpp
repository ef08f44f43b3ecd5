#include "platform/sdl/sdl_gl_context.h"

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

#include "platform/gl/gl_api.h"

namespace platform {
namespace {

// Some drivers accept a swap interval and then do not wait. Trusting them would run a game
// paced by its presents as fast as the machine can go, so the waiting is measured: a few
// black frames, which must take at least half their refresh periods.
bool SwapsWaitForTheDisplay(SDL_Window* window, int refreshRate) {
  constexpr int kFrames = 5;
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  SDL_GL_SwapWindow(window);  // the first one may return at once
  Uint64 start = SDL_GetPerformanceCounter();
  for (int i = 0; i < kFrames; ++i) {
    glClear(GL_COLOR_BUFFER_BIT);
    SDL_GL_SwapWindow(window);
  }
  double seconds = double(SDL_GetPerformanceCounter() - start) / double(SDL_GetPerformanceFrequency());
  return seconds >= 0.5 * kFrames / refreshRate;
}

class SdlGlContext : public GlContext {
 public:
  SdlGlContext(SDL_Window* window, SDL_GLContext context, int rate)
      : window_(window), context_(context), rate_(rate) {}
  ~SdlGlContext() override { Release(); }

  bool MakeCurrent() override { return context_ && SDL_GL_MakeCurrent(window_, context_) == 0; }
  Size drawableSize() override {
    Size size;
    if (window_) SDL_GL_GetDrawableSize(window_, &size.width, &size.height);
    return size;
  }
  void SwapBuffers() override {
    if (!window_) return;
    SDL_GL_SwapWindow(window_);
#ifdef __EMSCRIPTEN__
    // A page counts the frames it shows, for whoever measures its frame rate.
    EM_ASM({ Module.framesShown = (Module.framesShown || 0) + 1; });
#endif
  }
  int presentationRate() override { return rate_; }
  void Release() override {
    if (!context_) return;
    // SDL makes no context current first if this one is: nothing is left current on the
    // window that is about to go.
    SDL_GL_DeleteContext(context_);
    context_ = nullptr;
    window_ = nullptr;
  }
  bool released() const override { return context_ == nullptr; }

 private:
  SDL_Window* window_;
  SDL_GLContext context_;
  int rate_;
};

}  // namespace

std::shared_ptr<GlContext> CreateSdlGlContext(SDL_Window* window, bool requireAccelerated,
                                              bool waitForVsync) {
  SDL_GL_ResetAttributes();
#ifdef __EMSCRIPTEN__
  // In the browser: WebGL 2, which is OpenGL ES 3.0.
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 0);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_ES);
#else
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
#endif
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  // The window's own buffer only receives finished pictures; depth lives in the device's.
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
  if (requireAccelerated) SDL_GL_SetAttribute(SDL_GL_ACCELERATED_VISUAL, 1);
  SDL_GLContext context = SDL_GL_CreateContext(window);
  if (!context) return nullptr;
  if (SDL_GL_MakeCurrent(window, context) != 0) {
    SDL_GL_DeleteContext(context);
    return nullptr;
  }
  // Present paces the game only when the swap really waits for the display. A virtual X
  // server has no vertical sync and refuses the swap interval; the rate is then 0 and the
  // game's loop paces itself.
  int rate = 0;
  if (waitForVsync && SDL_GL_SetSwapInterval(1) == 0) {
    SDL_DisplayMode mode;
    int display = SDL_GetWindowDisplayIndex(window);
    if (SDL_GetCurrentDisplayMode(display < 0 ? 0 : display, &mode) == 0) rate = mode.refresh_rate;
    if (rate > 0 && !SwapsWaitForTheDisplay(window, rate)) rate = 0;
  } else {
    SDL_GL_SetSwapInterval(0);
  }
  return std::make_shared<SdlGlContext>(window, context, rate);
}

}  // namespace platform
