#include "tiltwell/stage.h"

namespace {

void AtRest(Ball& ball) {
  ball.state = Ball::kRolling;
  ball.counter = 0;
  ball.tiltX = ball.tiltY = 0;
  ball.velX = ball.velY = 0;
}

}  // namespace

int STAGE::Start(int n, Ball& ball) {
  if (!LoadStage(n)) return 1;
  ball.x = float(kCellSize * startColumn + kCellSize / 2);
  ball.y = float(kCellSize * startRow + kCellSize / 2);
  timeLeft = timeLimitSeconds * kUpdatesPerSecond;
  AtRest(ball);
  currentStage = n;
  return 0;
}

int STAGE::ResetBall(Ball& ball) {
  if (!stageLoaded || !dataLoaded) return 1;
  ball.x = float(kCellSize * startColumn + kCellSize / 2);
  ball.y = float(kCellSize * startRow + kCellSize / 2);
  AtRest(ball);
  return 0;
}

int STAGE::CellRow(int i) const {
  if (i < 0 || size_t(i) >= cells.size()) return 0;
  const Cell& cell = cells[size_t(i)];
  if (cell.kind == kSwitch && cell.timer != 0 && cell.param != 0) return cell.row + 1;
  return cell.row;
}
