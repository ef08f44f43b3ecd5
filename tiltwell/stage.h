#pragma once
#include "tiltwell/ball.h"
#include "tiltwell/stage_files.h"

// The stage being played: its cells, the time left, and the rules that move the ball over
// them. The files it comes from are StageFiles' part.
class STAGE : public StageFiles {
 public:
  static constexpr int kCellSize = 32;
  static constexpr int kUpdatesPerSecond = 60;

  // Cell kinds.
  static constexpr int kHole = 0, kFloor = 1, kWall = 2, kPush = 8, kSwitch = 64, kGate = 65, kGoal = 255;

  // Starts stage n of the loaded set: its cells, its time and the ball at rest on its start
  // cell. 1, with nothing changed, when no data is loaded, n is no stage of the set or the
  // stage has more than 4096 cells.
  int Start(int n, Ball& ball);
  // The ball back on the start cell at rest; the cells (opened gates, used switches) and the
  // time stay. 1 when no stage is running.
  int ResetBall(Ball& ball);
  // One update of the ball with the tilt keys ax, ay (-1, 0 or 1 each).
  void MoveBall(Ball& ball, int ax, int ay);
  // What cell `cell` does to the ball: contact 0 with the ball's centre over it, +1 / -1 at its
  // left / right side, +2 / -2 at its top / bottom.
  void Touch(Cell& cell, Ball& ball, int contact);
  // The sheet row to draw cell i from: a lit switch shows the row below its own.
  int CellRow(int i) const;

  int currentStage = 0;
  int timeLeft = 0;  // frames; may go below 0
};
