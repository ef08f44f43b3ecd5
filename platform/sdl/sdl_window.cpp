#include "platform/sdl/sdl_window.h"

#include <SDL.h>

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

#include <vector>

#include "platform/gl/gl_render_device.h"
#include "platform/image.h"
#include "platform/key_state.h"
#include "platform/sdl/sdl_event_hub.h"
#include "platform/sdl/sdl_gl_context.h"
#include "platform/text_encoding.h"
#include "platform/window_record.h"
#include "platform/window_timers.h"

namespace platform {
namespace {

class SdlWindow : public Window {
 public:
  SdlWindow(SDL_Window* window, const WindowDesc& desc)
      : window_(window), id_(SDL_GetWindowID(window)), title_(desc.titleCp932) {
    TheEventHub().Register(id_);
    record_.Publish(desc.classNameCp932, desc.titleCp932);
  }
  ~SdlWindow() override { Destroy(); }

  bool PollEvent(Event& out) override {
    if (!window_) return false;
    TheEventHub().Pump();
    if (TheEventHub().Take(id_, out, keys_)) return true;
    int timer = 0;
    if (!timers_.TakeDue(NowMicros(), timer)) return false;
    out = Event{};
    out.type = EventType::Timer;
    out.timerId = timer;
    return true;
  }

  void WaitEvent(Event& out) override {
    while (window_) {
      if (PollEvent(out)) return;
      // Sleep in the window system until an event comes or the next timer runs out.
      int timeoutMs = -1;
      uint64_t due = 0;
      if (timers_.NextDue(due)) {
        uint64_t now = NowMicros();
        timeoutMs = due > now ? int((due - now + 999) / 1000) : 0;
      }
      TheEventHub().WaitFor(id_, timeoutMs);
    }
    out = Event{};
    out.type = EventType::CloseRequested;
  }

  void SetTitle(const std::string& titleCp932) override {
    title_ = titleCp932;
    if (window_) SDL_SetWindowTitle(window_, Utf8FromCp932(titleCp932).c_str());
    record_.SetTitle(titleCp932);
  }
  std::string title() const override { return title_; }

  bool SetIconFromFile(const std::string& hostPath) override {
    if (!window_) return false;
    // Through the layer's picture reader, so an icon may be any picture the games read.
    Image picture;
    if (!LoadImageFile(hostPath, picture)) return false;
    SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormatFrom(
        picture.pixels.data(), picture.width, picture.height, 32, picture.width * 4,
        SDL_PIXELFORMAT_ARGB8888);
    if (!icon) return false;
    SDL_SetWindowIcon(window_, icon);
    SDL_FreeSurface(icon);
    return true;
  }

  Size clientSize() const override {
    Size size;
    if (window_) SDL_GetWindowSize(window_, &size.width, &size.height);
    return size;
  }
  void SetClientSize(int width, int height) override {
    if (window_) SDL_SetWindowSize(window_, width, height);
  }
  Point position() const override {
    Point p;
    if (window_) SDL_GetWindowPosition(window_, &p.x, &p.y);
    return p;
  }
  void SetPosition(int x, int y) override {
    if (window_) SDL_SetWindowPosition(window_, x, y);
  }

#ifdef __EMSCRIPTEN__
  // A page's screen is the page's visible area, and a full-screen window covers that area: a
  // browser grants the real screen only on a click, and then to the page, not to a program.
  void SetFullscreen(bool fullscreen) override {
    if (!window_ || fullscreen == fillsPage_) return;
    Size size = windowedSize_;
    if (fullscreen) {
      windowedSize_ = clientSize();
      size = screenSize();
    }
    SDL_SetWindowSize(window_, size.width, size.height);
    fillsPage_ = fullscreen;
  }
  bool fullscreen() const override { return window_ && fillsPage_; }
  Size screenSize() const override {
    return {EM_ASM_INT({ return window.innerWidth; }), EM_ASM_INT({ return window.innerHeight; })};
  }
#else
  void SetFullscreen(bool fullscreen) override {
    if (!window_ || fullscreen == this->fullscreen()) return;
    SDL_SetWindowFullscreen(window_, fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
  }
  bool fullscreen() const override {
    return window_ && (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
  }
  Size screenSize() const override {
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(DisplayIndex(), &mode) != 0) return {};
    return {mode.w, mode.h};
  }
#endif
  int displayRefreshRate() const override {
    SDL_DisplayMode mode;
    if (SDL_GetCurrentDisplayMode(DisplayIndex(), &mode) != 0) return 0;
    return mode.refresh_rate;
  }

  bool hasFocus() const override {
#ifdef __EMSCRIPTEN__
    // A page has the keyboard while it is shown: the browser gives it the keys of its tab.
    return window_ && EM_ASM_INT({ return document.hidden ? 0 : 1; }) != 0;
#else
    return window_ && (SDL_GetWindowFlags(window_) & SDL_WINDOW_INPUT_FOCUS) != 0;
#endif
  }
  bool KeyHeld(uint8_t virtualKey) const override { return keys_.Held(virtualKey); }
  bool minimized() const override {
    return window_ && (SDL_GetWindowFlags(window_) & SDL_WINDOW_MINIMIZED) != 0;
  }

  // SDL shows or hides the cursor over every window of the program; each program has one.
  void SetCursorVisible(bool visible) override {
    cursorVisible_ = visible;
    if (window_) SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
  }
  bool cursorVisible() const override { return cursorVisible_; }

  void Destroy() override {
    if (!window_) return;
    // The devices' contexts go first, while the surface they are current on still exists.
    for (auto& weak : contexts_)
      if (auto context = weak.lock()) context->Release();
    contexts_.clear();
    record_.Withdraw();
    if (!cursorVisible_) SDL_ShowCursor(SDL_ENABLE);
    TheEventHub().Unregister(id_);
    SDL_DestroyWindow(window_);
    window_ = nullptr;
  }
  bool destroyed() const override { return window_ == nullptr; }

  SDL_Window* handle() const { return window_; }
  void DropInputGivenDuringBox() {
    if (window_) TheEventHub().PumpAfterBox(id_, keys_);
  }

  void PresentPixels(const Image& picture) override {
    if (!window_ || picture.empty()) return;
    SDL_Surface* target = SDL_GetWindowSurface(window_);
    if (!target) return;
    SDL_Surface* source = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<uint32_t*>(picture.pixels.data()), picture.width, picture.height, 32,
        picture.width * 4, SDL_PIXELFORMAT_ARGB8888);
    if (!source) return;
    SDL_SetSurfaceBlendMode(source, SDL_BLENDMODE_NONE);  // the picture's alpha means nothing
    SDL_BlitSurface(source, nullptr, target, nullptr);
    SDL_FreeSurface(source);
    SDL_UpdateWindowSurface(window_);
#ifdef __EMSCRIPTEN__
    // A page counts the frames it shows, for whoever measures its frame rate.
    EM_ASM({ Module.framesShown = (Module.framesShown || 0) + 1; });
#endif
  }

  void SetTimer(int id, uint32_t periodMicros) override { timers_.Set(id, periodMicros, NowMicros()); }
  void KillTimer(int id) override { timers_.Kill(id); }

  std::unique_ptr<RenderDevice> CreateRenderDevice(const DeviceRequest& request) override {
    if (!window_) return nullptr;
    auto context = CreateSdlGlContext(window_, request.requireAccelerated, request.waitForVsync);
    if (!context) return nullptr;
    contexts_.push_back(context);
    return CreateGlRenderDevice(std::move(context), request.backBufferWidth,
                                request.backBufferHeight);
  }

 private:
  static uint64_t NowMicros() {
    return uint64_t(double(SDL_GetPerformanceCounter()) * 1e6 / double(SDL_GetPerformanceFrequency()));
  }

  int DisplayIndex() const {
    int index = window_ ? SDL_GetWindowDisplayIndex(window_) : 0;
    return index < 0 ? 0 : index;
  }

  SDL_Window* window_;
  Uint32 id_;
  bool cursorVisible_ = true;
  std::string title_;
  WindowTimers timers_;
  KeyStateTracker keys_;
  std::vector<std::weak_ptr<GlContext>> contexts_;  // of the devices made for this window
  WindowRecord record_;
#ifdef __EMSCRIPTEN__
  bool fillsPage_ = false;
  Size windowedSize_;  // to go back to when the window stops covering the page
#endif
};

}  // namespace

SDL_Window* SdlWindowOf(const Window* window) {
  auto* ours = dynamic_cast<const SdlWindow*>(window);
  return ours ? ours->handle() : nullptr;
}

void DropInputGivenDuringBox(const Window* owner) {
  // The owner is the program's own window, handed to the box as const; its queue changes.
  if (auto* ours = dynamic_cast<const SdlWindow*>(owner))
    const_cast<SdlWindow*>(ours)->DropInputGivenDuringBox();
}

std::unique_ptr<Window> CreateSdlWindow(const WindowDesc& desc) {
  int x = desc.placement == WindowPlacement::Centered ? SDL_WINDOWPOS_CENTERED : 0;
  int y = x;
  Uint32 flags = SDL_WINDOW_SHOWN;
  if (desc.surface == WindowSurface::Gl) flags |= SDL_WINDOW_OPENGL;
  SDL_Window* window = SDL_CreateWindow(Utf8FromCp932(desc.titleCp932).c_str(), x, y,
                                        desc.clientWidth, desc.clientHeight, flags);
  if (!window) return nullptr;
  return std::make_unique<SdlWindow>(window, desc);
}

}  // namespace platform
