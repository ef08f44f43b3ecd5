#include "quenmark/quenmark_program.h"

#include <cstdio>

#include "platform/text_encoding.h"

namespace {

const char* const kTitle = "Quivane Ver 0.75 F";  // the window's title and the instance's name
constexpr int kTimerId = 1;
constexpr uint8_t kEscape = 27;

}  // namespace

int QuenmarkMain(platform::Host& host) {
  auto program = std::make_unique<QuenmarkProgram>(host);
  return program->Run();
}

int QuenmarkProgram::Run() {
  if (int result = StartUp(); result >= 0 || result == kFailed) return result;
  while (Step()) {
  }
  ShutDown();
  return 0;
}

int QuenmarkProgram::Fail(const char* messageUtf8) {
  host_.dialogs().ShowMessage(nullptr, platform::Cp932Literal(messageUtf8), platform::Cp932Literal("エラー"),
                              platform::MessageButtons::Ok, platform::MessageKind::Error);
  graphics_.ReleaseGraphics();
  keyboard_.reset();
  return kFailed;
}

int QuenmarkProgram::StartUp() {
  // One instance at a time. The name is held by a lock the system lets go of when a process
  // ends, so a crashed run never keeps the next one out.
  instance_ = platform::NamedLock::Acquire(kTitle);
  if (instance_.hadOtherHolder()) {
    host_.dialogs().ShowMessage(nullptr, platform::Cp932Literal("このアプリケーションは多重起動できません。"),
                                platform::Cp932Literal("エラー"), platform::MessageButtons::Ok,
                                platform::MessageKind::Error);
    return kFailed;
  }
  platform::WindowDesc desc;
  desc.titleCp932 = kTitle;
  desc.clientWidth = 684;  // a 690 x 530 captioned window's client area
  desc.clientHeight = 504;
  window_ = host_.CreateWindow(desc);
  if (!window_) return 0;
  window_->SetPosition(50, 50);
  if (kFullScreen) window_->SetFullscreen(true);
  window_->SetCursorVisible(false);  // no mouse cursor over the window
  // The platform's keyboard is always there, so this step cannot fail and has no message of
  // its own; a window that is not in the foreground reads as kUnreadable instead.
  keyboard_ = std::make_unique<Keyboard>(host_.input(), *window_);
  if (!graphics_.InitGraphics(*window_, kFullScreen)) return Fail("DirectXの初期化に失敗しました。");
  game_->ResetPools();
  game_->PrepareFixedPictures();
  if (!graphics_.CreateQuadBuffer() || !graphics_.LoadAllTextures()) return Fail("モデルの読み込みに失敗しました。");
  // A timer of the platform's shortest period; ticks come at most 60 times a second.
  window_->SetTimer(kTimerId, 0);
  nextTick_ = double(host_.clock().Ticks());
  return -1;
}

bool QuenmarkProgram::Step() {
  if (quit_) return false;
  platform::Event e;
  if (!window_->PollEvent(e)) {
    host_.clock().Sleep(10);
    return true;
  }
  switch (e.type) {
    case platform::EventType::KeyUp:
      if (e.virtualKey == kEscape) quit_ = true;  // on release: holding Esc does nothing yet
      break;
    case platform::EventType::CloseRequested:
      quit_ = true;
      break;
    case platform::EventType::Timer:
      if (e.timerId == kTimerId) OnTimer();
      break;
    default:
      break;
  }
  return !quit_;
}

void QuenmarkProgram::OnTimer() {
  // Where presenting waits for the display, it paces the ticks; where it does not (a virtual
  // display), the tick waits here for its time, asleep, so the game runs 60 ticks a second.
  // A late tick is not made up.
  platform::Clock& clock = host_.clock();
  double now = double(clock.Ticks());
  if (now < nextTick_) {
    clock.Sleep(uint32_t(nextTick_ - now + 0.999));
    now = double(clock.Ticks());
  }
  nextTick_ = now - nextTick_ > kTickMilliseconds ? now + kTickMilliseconds : nextTick_ + kTickMilliseconds;
  graphics_.DrawFrame(game_->sprites);
  Tick();
}

void QuenmarkProgram::Tick() {
  const float now = float(host_.clock().Ticks());
  if (sampleCountdown_ < 0) {
    rate_ = 1000 / (now - previousTick_);
    sampleCountdown_ = 20;
  } else {
    --sampleCountdown_;
  }
  const InputWord input = keyboard_->ReadKeyboard();
  if (!kFullScreen) {
    const Sprite& ship = game_->sprites.play[0];
    char line[128];
    std::snprintf(line, sizeof line, "%f %f %.02f", ship.x, ship.y, rate_);
    window_->SetTitle(line);
  }
  // The Quitting state's tick ends the loop: the menu or result screen that chose to quit has
  // its last frame drawn (with its pictures hidden) before the program goes.
  if (game_->gameState == kQuittingState) quit_ = true;
  game_->Tick(input);
  previousTick_ = now;
}

void QuenmarkProgram::ShutDown() {
  if (window_) window_->KillTimer(kTimerId);
  graphics_.ReleaseGraphics();
  keyboard_.reset();
}
