// The frame loop: 60 slots a second on the millisecond clock. A slot that starts in time runs
// one update and (normally) one drawing, then sleeps in 1 ms steps to the slot's end; a slot
// already over when it comes up is dropped with no update, so a slow machine runs the game
// slower rather than skipping steps of it.
#include <cstdio>

#include "tiltwell/tiltwell.h"

bool Tiltwell::Iterate() {
  if (quit_) return false;
  platform::Clock& clock = host_.clock();
  platform::Event e;
  if (window_->PollEvent(e)) HandleEvent(e);  // one message an iteration
  if (quit_) return false;
  const double now = double(clock.Ticks());
  if (now - slotStart_ < kSlotMilliseconds) {
    // The update waits while a fade runs, except right after its midpoint.
    if (!draw_.fading() || midpoint_) UpdateStep();
    if (!quit_ && (settings_.FrameSkip == 0 || frameCounter_ % 2 == 1)) RenderStep();
    frameCounter_ = frameCounter_ == 59 ? 0 : frameCounter_ + 1;
    ++framesThisSecond_;
    if (leftButton_ == 1) leftButton_ = 3;
    if (leftButton_ == 2) leftButton_ = 0;
    while (double(clock.Ticks()) - slotStart_ < kSlotMilliseconds) clock.Sleep(1);
  }
  slotStart_ += kSlotMilliseconds;
  if (slotStart_ - secondMark_ > 1000) {
    secondMark_ += 1000;
    fps_ = framesThisSecond_;
    framesThisSecond_ = 0;
    delay_ = 60 - fps_;
  }
  return !quit_;
}

std::string FpsLine(int fps, int delay, bool frameSkip) {
  const char* skip = frameSkip ? " /FrameSkip" : "";
  char line[128];
  if (delay <= 4)
    std::snprintf(line, sizeof line, "FPS:%d/60 [delay:none]%s", fps, skip);
  else  // the share of the 60 slots that was dropped, in percent
    std::snprintf(line, sizeof line, "FPS:%d/60 [delay:%d%%]%s", fps, delay * 5 / 3, skip);
  return line;
}

void Tiltwell::PrintFpsLine() {
  draw_.PrintText(FpsLine(fps_, delay_, settings_.FrameSkip != 0), 0xFFFF0000, {0, 4, 240, 32}, 0);
}
