#include "vexilo/vexilo_program.h"

#include <string>

#include "platform/text_encoding.h"
#include "vexilo/game_screen.h"
#include "vexilo/key_config.h"

namespace {

const char* const kTitle = "Vexilo";

Message MessageOf(const platform::Event& e) {
  Message m;
  m.event = e;
  switch (e.type) {
    case platform::EventType::Exposed: m.kind = Message::Paint; break;
    case platform::EventType::KeyDown:
      m.kind = Message::KeyDown;
      m.virtualKey = e.virtualKey;
      break;
    case platform::EventType::MouseButtonDown:
      if (e.button == platform::MouseButton::Left) m.kind = Message::LeftButtonDown;
      break;
    case platform::EventType::Timer:
      m.kind = Message::Timer;
      m.timerId = e.timerId;
      break;
    default: break;
  }
  return m;
}

}  // namespace

VexiloProgram::VexiloProgram(platform::Host& host) : host_(host) {
  random_.Seed(uint32_t(host_.clock().SecondsSinceEpoch()));
  platform::WindowDesc desc;
  desc.titleCp932 = kTitle;
  desc.clientWidth = layout::kScreenWidth;
  desc.clientHeight = layout::kScreenHeight;
  desc.placement = platform::WindowPlacement::Centered;
  desc.surface = platform::WindowSurface::Pixels;
  window_ = host_.CreateWindow(desc);
  if (!window_) return;
  // What the window procedure does with its very first message.
  LoadKeyConfig(record);
  record.state = GameRecord::kTitle;
  record.ticks = 0;
  backBuffer = platform::Image(layout::kScreenWidth, layout::kScreenHeight, 0xFF000000);
  LoadPictures(pictures);
  window_->SetTimer(kRepaintTimer, kRepaintMicros);
  window_->SetTimer(kGameTickTimer, kGameTickMicros);
  window_->SetTimer(kCountdownTimer, kFirstCountdownMicros);
  // Showing the window paints it at once.
  Message paint;
  paint.kind = Message::Paint;
  Dispatch(paint);
}

VexiloProgram::~VexiloProgram() {
  if (!window_) return;
  window_->KillTimer(kRepaintTimer);
  window_->KillTimer(kGameTickTimer);
  window_->KillTimer(kCountdownTimer);
}

bool VexiloProgram::Step() {
  if (quit_ || !window_) return false;
  platform::Event event;
  window_->WaitEvent(event);
  if (event.type == platform::EventType::CloseRequested) {
    // The close box: the window is destroyed and the loop ends.
    window_->Destroy();
    quit_ = true;
    return false;
  }
  Dispatch(MessageOf(event));
  // The window asks to be painted once nothing more urgent is waiting.
  if (invalid_ && !quit_) {
    invalid_ = false;
    Message paint;
    paint.kind = Message::Paint;
    Dispatch(paint);
  }
  return !quit_;
}

int VexiloProgram::Run() {
  while (Step()) {
  }
  return 0;
}

void VexiloProgram::Dispatch(const Message& m) {
  if (m.kind == Message::Paint) invalid_ = false;  // painting validates the window
  // A message no handler takes needs nothing from the window system here: closing is
  // handled by Step, and keys, clicks and timers have no default action.
  switch (record.state) {
    case GameRecord::kTitle: HandleTitle(*this, m); break;
    case GameRecord::kInstruction: HandleInstruction(*this, m); break;
    case GameRecord::kPause: HandlePause(*this, m); break;
    default: break;
  }
}

void VexiloProgram::Present() { window_->PresentPixels(backBuffer); }

void VexiloProgram::SetTitle() { window_->SetTitle(kTitle); }

void VexiloProgram::ArmCountdown() {
  window_->SetTimer(kCountdownTimer, uint32_t(CountdownPeriodMs(record.score, record.mode)) * 1000);
}

void VexiloProgram::ShowScoreBox() {
  std::string text = platform::Cp932Literal("貴方の点数は") + std::to_string(record.score) +
                     platform::Cp932Literal("です。");
  // The box stands over the title: the game is back there when it opens, and the window's own
  // repaints would show it behind the box at once.
  if (record.state == GameRecord::kTitle) {
    Message paint;
    paint.kind = Message::Paint;
    Dispatch(paint);
  }
  host_.dialogs().ShowMessage(window_.get(), text, platform::Cp932Literal("おわり"),
                              platform::MessageButtons::Ok, platform::MessageKind::Plain);
}

bool VexiloProgram::KeyHeld(int flag) const {
  return window_->KeyHeld(uint8_t(record.keys[flag]));
}

int VexiloMain(platform::Host& host) {
  VexiloProgram program(host);
  if (!program.started()) return 0;
  return program.Run();
}
