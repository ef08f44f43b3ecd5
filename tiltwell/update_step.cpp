// One update and one drawing of the shell: the quit keys, the title, the loading of the stage
// set, and which screen is drawn in each mode.
#include <cstdio>

#include "platform/text_encoding.h"
#include "tiltwell/game_files.h"
#include "tiltwell/tiltwell.h"

namespace {

// Windows virtual-key codes.
constexpr int kReturn = 13, kShift = 16, kEscape = 27, kF4 = 115, kF10 = 121;
constexpr int kLeftAlt = 164, kRightAlt = 165;

const char* const kVersionLine = "Tiltwell 0.50a [2008/04/30(Wed)]";

}  // namespace

void Tiltwell::UpdateStep() {
  input_.Update(*window_);
  // Esc and Alt+F4 end the game without asking: they do not close the window the way its close
  // box does.
  if ((KeyDown(kLeftAlt) || KeyDown(kRightAlt)) && KeyDown(kF4)) return DestroyWindow();
  if (input_.State(kEscape) == INPUT::kPressed) return DestroyWindow();
  if (input_.State(kF10) == INPUT::kPressed) draw_.StartFade(&mode_, kTitle);
  switch (mode_) {
    case kTitle:
      if (stage_.dataLoaded) {
        stage_.Free();
        stage_.UpdateTitle(*window_);
      }
      if (KeyDown(kReturn) || (leftButton_ & 1)) draw_.StartFade(&mode_, kLoading);
      break;
    case kLoading:
      LoadStageSet();
      break;
    case kPlay:
      PlayStep();
      break;
  }
}

void Tiltwell::LoadStageSet() {
  stage_.LoadSet(settings_, settings_.PlayStagesNumber, host_.dialogs());
  auto reportFailure = [this](const char* format, const std::string& path) {
    char text[kRelativePathBuffer + 32];
    std::snprintf(text, sizeof text, format, path.c_str());
    host_.dialogs().ShowMessage(nullptr, text, platform::Cp932Literal("失敗"), platform::MessageButtons::Ok);
  };
  // A path too long for the game's buffer is not tried: it fails as a missing file does.
  auto fits = [](const std::string& path) { return FitsBuffer(path, kRelativePathBuffer); };
  for (int i = 0; i < DRAW::kSheets; ++i) {
    if (stage_.GraphicName[i].empty()) continue;
    const std::string path = settings_.StagesDir + "\\" + stage_.GraphicName[i];
    if (!fits(path) || draw_.LoadSheet(i, path) != 0)
      reportFailure("faild to load file :\n%s", path.substr(0, kRelativePathBuffer - 1));
  }
  // The background is always tried, even without a name.
  const std::string background = settings_.StagesDir + "\\" + stage_.BGIMGName;
  if (!fits(background) || draw_.LoadBackground(background) != 0)
    reportFailure("faild to load file :\n%s\n02", background.substr(0, kRelativePathBuffer - 1));
  draw_.StartFade(&mode_, kPlay);
  // Shift starts from the first stage; otherwise play goes on after the last stage cleared.
  const bool exhibition = settings_.ExecMode == 3;
  const int first = KeyDown(kShift) || exhibition ? 0 : stage_.ReadSave(settings_);
  stage_.Start(first, ball_);
  stage_.UpdateTitle(*window_);
  if (exhibition) stage_.timeLeft = 30000;
}

void Tiltwell::RenderStep() {
  draw_.BeginFrame();
  draw_.BeginText();
  if (mode_ == kTitle) {
    draw_.DrawScreen(0);
  } else if (mode_ == kPlay) {
    draw_.DrawScreen(1);
    DrawPlayView();
  }
  if (settings_.DispFPS) PrintFpsLine();
  if (settings_.DispVersion) draw_.PrintText(kVersionLine, 0xFF660066, {240, 4, 640, 32}, 0);
  draw_.EndText();
  midpoint_ = draw_.EndFrame();
}
