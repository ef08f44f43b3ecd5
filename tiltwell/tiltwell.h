#pragma once
#include <memory>
#include <string>

#include "platform/host.h"
#include "tiltwell/ball.h"
#include "tiltwell/draw.h"
#include "tiltwell/input.h"
#include "tiltwell/settings.h"
#include "tiltwell/stage.h"

// The maze game's program: its settings, window, drawing layer, keyboard, stage and ball, and
// the loop of 60 frame slots a second that carries it through its three modes.
class Tiltwell {
 public:
  static constexpr int kTitle = 0, kLoading = 1, kPlay = 2;  // modes
  static constexpr double kSlotMilliseconds = 16.666667;

  explicit Tiltwell(platform::Host& host) : host_(host), draw_(host) {}
  // Start-up, the frame loop until the window is gone, and the end. 0 in every case.
  int Run();

  // The same in pieces, for a caller that runs the loop itself (tests, a browser's loop).
  // Start-up: false when the program ends at once (a second instance, no window, no device).
  bool StartUp();
  // One iteration of the frame loop: one window message, then the slot if it is not over yet
  // (its update and drawing, and the wait to its end). False once the game has ended.
  bool Iterate();

  // Inside views, for tests.
  const Settings& settings() const { return settings_; }
  const STAGE& stage() const { return stage_; }
  const Ball& ball() const { return ball_; }
  int mode() const { return mode_; }
  int fps() const { return fps_; }
  bool fading() const { return draw_.fading(); }
  const DRAW& draw() const { return draw_; }
  platform::Window* window() const { return window_.get(); }

 private:
  void HandleEvent(const platform::Event& e);  // what the window's messages do
  void DestroyWindow();                         // ends the game after this slot
  void UpdateStep();
  void LoadStageSet();  // the update of the loading mode
  void PlayStep();
  void RenderStep();
  void DrawPlayView();
  void PrintFpsLine();
  bool KeyDown(int virtualKey) const { return input_.State(uint8_t(virtualKey)) & 1; }

  platform::Host& host_;
  Settings settings_;
  std::unique_ptr<platform::Window> window_;
  DRAW draw_;
  INPUT input_;
  STAGE stage_;
  Ball ball_;

  int mode_ = kTitle;
  bool quit_ = false;
  double slotStart_ = 0, secondMark_ = 0;
  int frameCounter_ = 0;       // 0..59
  int framesThisSecond_ = 0;
  int fps_ = 0;                // processed slots in the last whole second
  int delay_ = 0;              // 60 - fps
  int leftButton_ = 0;         // as a key's state: 0 up, 1 pressed, 2 released, 3 held
  bool midpoint_ = false;      // the last render step passed a fade's midpoint
};

// The FPS line: processed slots in the last second, and how many of the 60 were dropped.
std::string FpsLine(int fps, int delay, bool frameSkip);

// The program's entry: 0 in every case.
int TiltwellMain(platform::Host& host);
