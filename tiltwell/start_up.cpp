// Start-up and the window: one instance, a 640 x 480 window (or the whole screen), the drawing
// layer, and what the window's messages do.
#include "platform/text_encoding.h"
#include "platform/window_record.h"
#include "tiltwell/tiltwell.h"

namespace {

const char* const kWindowClass = "ZOLK";
const char* const kTitleText = "Tiltwell.";

}  // namespace

int TiltwellMain(platform::Host& host) {
  auto game = std::make_unique<Tiltwell>(host);
  return game->Run();
}

int Tiltwell::Run() {
  if (!StartUp()) return 0;
  while (Iterate()) {
  }
  draw_.Release();
  return 0;
}

bool Tiltwell::StartUp() {
  settings_ = ReadSettings();
  // A second start while the first shows its title screen ends here, silently; during play
  // the first one's title names its stage, and a second one starts.
  if (platform::PublishedWindowShows(kWindowClass, kTitleText)) return false;
  platform::WindowDesc desc;
  desc.titleCp932 = kTitleText;
  desc.classNameCp932 = kWindowClass;
  // 640 x 480 whatever the settings say: even unread ones (all zero) give the game's size.
  desc.clientWidth = DRAW::kWidth;
  desc.clientHeight = DRAW::kHeight;
  desc.placement = platform::WindowPlacement::Centered;
  window_ = host_.CreateWindow(desc);
  if (!window_) return false;
  if (!settings_.windowed) window_->SetFullscreen(true);
  if (draw_.Init(*window_, settings_.windowed != 0) != 0) return false;
  input_.Clear();
  if (settings_.status == 2) {
    host_.dialogs().ShowMessage(
        window_.get(),
        platform::Cp932Literal("初期化ファイルの作成に失敗しました。\nデフォルトの設定を使用します。"),
        "Error", platform::MessageButtons::Ok);
  }
  mode_ = kTitle;
  delay_ = 0;
  frameCounter_ = 0;
  slotStart_ = secondMark_ = double(host_.clock().Ticks());
  framesThisSecond_ = 0;
  return true;
}

void Tiltwell::DestroyWindow() {
  if (!window_->destroyed()) window_->Destroy();
  quit_ = true;
}

void Tiltwell::HandleEvent(const platform::Event& e) {
  using platform::EventType;
  switch (e.type) {
    case EventType::Minimized:
      if (!settings_.windowed) DestroyWindow();  // a full-screen game ends when minimised
      break;
    case EventType::CloseRequested:
      if (!settings_.windowed ||
          host_.dialogs().ShowMessage(window_.get(), platform::Cp932Literal("終了しますか？"),
                                      platform::Cp932Literal("確認"), platform::MessageButtons::YesNo) ==
              platform::MessageResult::Yes)
        DestroyWindow();
      break;
    case EventType::MouseButtonDown:
      if (e.button == platform::MouseButton::Left) leftButton_ = 1;
      break;
    case EventType::MouseButtonUp:
      if (e.button == platform::MouseButton::Left) leftButton_ = 2;
      break;
    default:
      break;  // keys are read as the keyboard's state by the update step
  }
}
