// Play: one update of the stage in progress (the ball, the time, a fall, a clear, the next
// stage) and the view of it, centred on the ball.
#include "platform/text_encoding.h"
#include "tiltwell/tiltwell.h"

namespace {

constexpr int kLeft = 37, kUp = 38, kRight = 39, kDown = 40;  // arrow keys' virtual-key codes
constexpr int kExhibitionSecondStageFrames = 10800;

}  // namespace

void Tiltwell::PlayStep() {
  // Right after a fade's midpoint only one thing happens: after a clear, the next stage starts.
  if (midpoint_) {
    if (ball_.state == Ball::kEnteringGoal && ball_.counter == 0 &&
        stage_.currentStage + 1 < stage_.NumOfStages) {
      if (settings_.ExecMode == 3) {
        // Exhibition timing: the time left carries on from stage to stage.
        const int left = stage_.timeLeft;
        stage_.Start(stage_.currentStage + 1, ball_);
        stage_.timeLeft = left;
        if (stage_.currentStage == 1) stage_.timeLeft = kExhibitionSecondStageFrames;
      } else {
        stage_.Start(stage_.currentStage + 1, ball_);
      }
      stage_.UpdateTitle(*window_);
    }
    return;
  }

  const int ax = int(KeyDown(kRight)) - int(KeyDown(kLeft));
  const int ay = int(KeyDown(kDown)) - int(KeyDown(kUp));
  stage_.MoveBall(ball_, ax, ay);
  if (ball_.state == Ball::kFalling && ball_.counter == 0) stage_.ResetBall(ball_);

  platform::Dialogs& dialogs = host_.dialogs();
  if (stage_.timeLeft < 0 && ball_.state != Ball::kEnteringGoal) {
    dialogs.ShowMessage(window_.get(), platform::Cp932Literal("時間切れです。"),
                        platform::Cp932Literal("時間切れ"), platform::MessageButtons::Ok);
    draw_.StartFade(&mode_, kTitle);
    return;
  }
  if (ball_.state != Ball::kEnteringGoal || ball_.counter != 0) return;

  const int cleared = stage_.currentStage + 1;
  if (cleared >= stage_.NumOfStages) {
    // The last stage: back to the title; the save is left as it is.
    dialogs.ShowMessage(window_.get(), platform::Cp932Literal("全ステージクリアしたようです。"),
                        platform::Cp932Literal("クリア"), platform::MessageButtons::Ok);
    draw_.StartFade(&mode_, kTitle);
    return;
  }
  if (stage_.ReadSave(settings_) < cleared) stage_.WriteSave(settings_, cleared);
  draw_.StartFade(&mode_, kPlay);  // the next stage starts at the fade's midpoint
}

void Tiltwell::DrawPlayView() {
  const int cols = stage_.cols;
  for (int i = 0; i < int(stage_.cells.size()); ++i) {
    const float x = float(STAGE::kCellSize * (i % cols)) - ball_.x;
    const float y = float(STAGE::kCellSize * (i / cols)) - ball_.y;
    if (x < -368 || x > 336 || y < -288 || y > 256) continue;  // off the screen
    const Cell& cell = stage_.cells[size_t(i)];
    draw_.DrawTile(x + DRAW::kWidth / 2, y + DRAW::kHeight / 2, cell.column, stage_.CellRow(i), cell.sheet);
  }
  draw_.DrawBall({ball_.state, ball_.counter});
  draw_.DrawTime(stage_.timeLeft);
}
