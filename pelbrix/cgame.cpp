#include "pelbrix/cgame.h"

#include "platform/game_path.h"
#include "platform/key_codes.h"
#include "platform/text_encoding.h"

namespace {

const char* const kQuitQuestion = "終了してもよろしいですか？";
const char* const kQuitCaption = "終了確認";
const char* const kNeedsGraphics =
    "このプログラムにはDirectX 9.0以上が必要です。\n"
    "DirectXの最新版、および最新のドライバが\n"
    "インストールされているかどうかご確認ください。\n";
const char* const kResolutionHint =
    "また、起動時のオプションで解像度を変更してみてください。\n\n"
    "ウィンドウ時800x600、フルスクリーン1024x768の場合：\n"
    "-w 800 -h 600 -fw 1024 -fh 768";

constexpr uint32_t kOpaqueBlack = 0xFF000000;
constexpr uint32_t kLostDeviceSleepMilliseconds = 50;

// exeDir: the program file's game path cut after its last backslash.
std::string ProgramFolder(platform::Host& host) {
  std::optional<std::string> path = platform::GamePath(host.programFilePath());
  if (!path) return std::string();
  return platform::GameFolderOf(*path);
}

WindowMessage MessageOf(const platform::Event& e) {
  using platform::EventType;
  WindowMessage m;
  m.event = e;
  m.x = e.x;
  m.y = e.y;
  bool down = e.type == EventType::MouseButtonDown;
  switch (e.type) {
    case EventType::CloseRequested: m.kind = WindowMessageKind::Close; break;
    case EventType::Exposed: m.kind = WindowMessageKind::Paint; break;
    case EventType::MaximizeRequested: m.kind = WindowMessageKind::Maximize; break;
    case EventType::FocusGained: m.kind = WindowMessageKind::Activate; break;
    case EventType::FocusLost: m.kind = WindowMessageKind::Deactivate; break;
    case EventType::Minimized: m.kind = WindowMessageKind::Minimize; break;
    case EventType::Restored: m.kind = WindowMessageKind::Restore; break;
    case EventType::KeyDown: m.kind = WindowMessageKind::KeyDown; break;
    case EventType::KeyUp: m.kind = WindowMessageKind::KeyUp; break;
    case EventType::MouseMove: m.kind = WindowMessageKind::MouseMove; break;
    case EventType::MouseButtonDown:
    case EventType::MouseButtonUp:
      switch (e.button) {
        case platform::MouseButton::Left:
          m.kind = down ? WindowMessageKind::LeftButtonDown : WindowMessageKind::LeftButtonUp;
          break;
        case platform::MouseButton::Middle:
          m.kind = down ? WindowMessageKind::MiddleButtonDown : WindowMessageKind::MiddleButtonUp;
          break;
        case platform::MouseButton::Right:
          m.kind = down ? WindowMessageKind::RightButtonDown : WindowMessageKind::RightButtonUp;
          break;
      }
      break;
    case EventType::Timer: m.kind = WindowMessageKind::Timer; break;
  }
  return m;
}

}  // namespace

CGame::CGame(platform::Host& h, int argc, const char* const* argv, const char* gameTitle,
             bool hasMenu, bool suppressHint)
    : host(h), title(gameTitle) {
  exeDir = ProgramFolder(host);

  ScreenOptions options;
  ParseScreenOptions(argc, argv, options);
  windowWidth = options.windowWidth;
  windowHeight = options.windowHeight;
  fullscreenWidth = options.fullscreenWidth;
  fullscreenHeight = options.fullscreenHeight;
  fullscreenRefreshRate = options.fullscreenRefreshRate;
  fullscreenRequested = options.fullscreenRequested;
  confirmExit = options.confirmExit;

  platform::WindowDesc desc;
  desc.titleCp932 = title;
  desc.clientWidth = windowWidth;
  desc.clientHeight = windowHeight;
  desc.placement = platform::WindowPlacement::TopLeft;
  desc.surface = platform::WindowSurface::Gl;
  window = host.CreateWindow(desc);
  if (!window) {
    ShowStartupFailure(suppressHint);
    return;
  }
  // A game.ico beside the program is the window's icon; without it the window system's default.
  std::string icon = platform::HostPath(exeDir + "game.ico");
  if (platform::FileExists(icon)) window->SetIconFromFile(icon);

  graphicsDevice = std::make_unique<GraphicsDevice>(*window);
  if (!graphicsDevice->device) {
    ShowStartupFailure(suppressHint);
    return;
  }
  graphicsDevice->ClearTarget(kOpaqueBlack);
  graphicsDevice->PresentFrame();
  // Still inside the base constructor, so this calls CGame's own (empty) device hooks.
  if (fullscreenRequested) ApplyScreenMode();

  inputDevices = std::make_unique<InputDevices>(host.input(), *window);
  frameAccumulator = 0.0;
  mouseX = mouseY = 0;
  leftButtonDown = middleButtonDown = rightButtonDown = false;
  lastCounter = 0;
  lastTicks = 0;
  // A menu bar is not available on this platform; the one game built on this shell has none.
  (void)hasMenu;
  started_ = true;
}

CGame::~CGame() {
  inputDevices.reset();
  graphicsDevice.reset();
  window.reset();
}

void CGame::ShowStartupFailure(bool suppressHint) {
  std::string text = kNeedsGraphics;
  if (!suppressHint) text += kResolutionHint;
  host.dialogs().ShowMessage(window.get(), platform::Cp932Literal(text), title,
                             platform::MessageButtons::Ok, platform::MessageKind::Plain);
}

void CGame::Run() {
  if (!started_) return;
  OnResetDevice();
  // From here to the end of Run the window's events go to WndProc; the window belongs to this
  // game, so no table from windows to games is needed to find it.
  ResetFrameTimer();
  platform::Event event;
  while (!quitPosted_) {
    if (pauseWhenInactive && !window->hasFocus()) {
      // In the background: nothing moves or draws, and the time spent there is not counted.
      window->WaitEvent(event);
      Dispatch(event);
      ResetFrameTimer();
      continue;
    }
    if (window->PollEvent(event)) {
      Dispatch(event);
      continue;
    }
    frameAccumulator += TakeElapsedFrames();
    if (graphicsDevice->refreshRate != framesPerSecond && frameAccumulator < 1.0) {
      // Presenting does not pace the loop: wait for the next frame.
      WaitForNextFrame();
      continue;
    }
    if (frameSkip) {
      // Catch up on every whole frame that is due; the fraction stays for the next pass.
      while (frameAccumulator >= 1.0) {
        Move();
        frameAccumulator -= 1.0;
      }
    } else {
      // One frame per pass: time beyond it is dropped and the game runs slower instead.
      frameAccumulator = 0.0;
      Move();
    }
    RenderFrame();
  }
}

double CGame::TakeElapsedFrames() {
  platform::Clock& clock = host.clock();
  uint64_t frequency = 0, counter = 0;
  if (clock.CounterFrequency(frequency) && clock.Counter(counter)) {
    double elapsed = double(counter - lastCounter) * framesPerSecond / double(frequency);
    lastCounter = counter;
    return elapsed;
  }
  uint32_t ticks = clock.Ticks();
  double elapsed = double(uint32_t(ticks - lastTicks)) * framesPerSecond / 1000.0;
  lastTicks = ticks;
  return elapsed;
}

void CGame::WaitForNextFrame() {
  // Sleep until about a millisecond before the frame is due, then let the loop poll the
  // clock for the rest: the sequence of Move and Draw stays what polling alone would give,
  // without holding a processor at full load.
  if (framesPerSecond <= 0) {
    host.clock().Sleep(1);
    return;
  }
  double remainingMilliseconds = (1.0 - frameAccumulator) * 1000.0 / framesPerSecond;
  if (remainingMilliseconds >= 2.0) host.clock().Sleep(uint32_t(remainingMilliseconds - 1.0));
}

void CGame::ResetFrameTimer() {
  platform::Clock& clock = host.clock();
  uint64_t frequency = 0, counter = 0;
  if (clock.CounterFrequency(frequency) && clock.Counter(counter))
    lastCounter = counter;
  else
    lastTicks = clock.Ticks();
}

void CGame::RenderFrame() {
  switch (graphicsDevice->TestCooperativeLevel()) {
    case CooperativeLevel::Lost:
      host.clock().Sleep(kLostDeviceSleepMilliseconds);
      return;
    case CooperativeLevel::NotReset:
      OnLostDevice();
      if (graphicsDevice->ResetDevice()) OnResetDevice();
      return;
    case CooperativeLevel::Ok:
      Draw();
      graphicsDevice->PresentFrame();
      return;
  }
}

void CGame::ApplyScreenMode() {
  GraphicsDevice& device = *graphicsDevice;
  if (fullscreenRequested) {
    device.backBufferWidth = fullscreenWidth;
    device.backBufferHeight = fullscreenHeight;
    device.refreshRate = fullscreenRefreshRate;
  } else {
    device.backBufferWidth = windowWidth;
    device.backBufferHeight = windowHeight;
    device.refreshRate = 0;
  }
  device.fullscreen = fullscreenRequested;
  OnLostDevice();
  if (device.ResetDevice()) OnResetDevice();
}

void CGame::ToggleFullscreen() {
  fullscreenRequested = !graphicsDevice->fullscreen;
  ApplyScreenMode();
}

void CGame::DestroyWindow() {
  if (!window || window->destroyed()) return;
  window->Destroy();
  WindowMessage destroyed;
  destroyed.kind = WindowMessageKind::Destroy;
  WndProc(destroyed);
}

void CGame::Dispatch(const platform::Event& event) {
  if (TranslateAccelerator(event)) return;
  WndProc(MessageOf(event));
}

bool CGame::TranslateAccelerator(const platform::Event& event) {
  if (event.type != platform::EventType::KeyDown) return false;
  // Each entry needs exactly its modifiers: Ctrl+Esc or Alt+F1 are no accelerators.
  const platform::KeyModifiers& mods = event.modifiers;
  bool none = !mods.shift && !mods.control && !mods.alt;
  int command = -1;
  if (event.virtualKey == platform::vk::ESCAPE && none) command = kCommandClose;
  if (event.virtualKey == platform::vk::RETURN && mods.alt && !mods.shift && !mods.control)
    command = kCommandToggleFullscreen;
  if (event.virtualKey == platform::vk::F1 && none) command = kCommandHelp;
  if (event.virtualKey == platform::vk::F1 && mods.shift && !mods.control && !mods.alt)
    command = kCommandNone;
  if (command < 0) return false;
  WindowMessage m;
  m.kind = WindowMessageKind::Command;
  m.command = command;
  m.event = event;
  WndProc(m);
  return true;
}

void CGame::WndProc(const WindowMessage& m) {
  switch (m.kind) {
    case WindowMessageKind::Destroy:
      PostQuitMessage();
      return;
    case WindowMessageKind::Paint:
      RenderFrame();
      break;
    case WindowMessageKind::Close:
      if (confirmExit &&
          host.dialogs().ShowMessage(window.get(), platform::Cp932Literal(kQuitQuestion),
                                     platform::Cp932Literal(kQuitCaption),
                                     platform::MessageButtons::OkCancel,
                                     platform::MessageKind::Plain) != platform::MessageResult::Ok)
        return;
      DestroyWindow();
      return;
    case WindowMessageKind::Maximize:
      // The maximise box and a double click on the caption switch to fullscreen instead.
      ToggleFullscreen();
      return;
    case WindowMessageKind::Command:
      switch (m.command) {
        case kCommandClose: {
          WindowMessage close;
          close.kind = WindowMessageKind::Close;
          WndProc(close);
          return;
        }
        case kCommandToggleFullscreen:
          ToggleFullscreen();
          return;
        case kCommandHelp:
          if (!helpPath.empty()) {
            host.OpenDocument(platform::HostPath(helpPath));
            return;
          }
          break;
        default:
          break;
      }
      break;
    case WindowMessageKind::MouseMove:
      // Client coordinates as unsigned 16-bit halves.
      mouseX = m.x & 0xFFFF;
      mouseY = m.y & 0xFFFF;
      break;
    case WindowMessageKind::LeftButtonDown: leftButtonDown = true; break;
    case WindowMessageKind::LeftButtonUp: leftButtonDown = false; break;
    case WindowMessageKind::MiddleButtonDown: middleButtonDown = true; break;
    case WindowMessageKind::MiddleButtonUp: middleButtonDown = false; break;
    case WindowMessageKind::RightButtonDown: rightButtonDown = true; break;
    case WindowMessageKind::RightButtonUp: rightButtonDown = false; break;
    default:
      break;
  }
  DefaultWindowProc(m);
}

void CGame::DefaultWindowProc(const WindowMessage& m) {
  // The window system's own handling: a close request destroys the window; everything else
  // (painting done, a key that is not an accelerator) needs nothing more here.
  if (m.kind == WindowMessageKind::Close) DestroyWindow();
}
