// The ball's rules on small hand-made grids: tilt, grip, walls and their joints, push cells,
// switches and gates, holes and the goal.
#include <gtest/gtest.h>

#include <cmath>

#include "tiltwell/stage.h"

namespace {

// A grid from rows of characters: '.' floor, '_' ice, '#' wall, 'o' hole, 'G' goal, '>' a push
// cell, 's' a switch, '|' a gate. Every floor has the given grip; walls have restitution grip.
struct Grid {
  explicit Grid(std::vector<std::string> rows, int floorGrip = 255, int wallGrip = 127) {
    stage.cols = int(rows[0].size());
    stage.rows = int(rows.size());
    for (const std::string& row : rows) {
      for (char c : row) {
        Cell cell;
        cell.kind = c == '.' || c == '_' ? STAGE::kFloor : c == '#' ? STAGE::kWall : c == 'o' ? STAGE::kHole
                    : c == 'G' ? STAGE::kGoal : c == '>' ? STAGE::kPush : c == 's' ? STAGE::kSwitch
                    : STAGE::kGate;
        cell.grip = uint8_t(c == '_' ? 0 : c == '#' ? wallGrip : floorGrip);
        cell.column = 5;
        cell.row = 4;
        stage.cells.push_back(cell);
      }
    }
    stage.dataLoaded = true;
    stage.stageLoaded = true;
  }
  Cell& at(int c, int r) { return stage.cells[size_t(r * stage.cols + c)]; }
  void Place(float x, float y) {
    ball.x = x;
    ball.y = y;
  }
  void Move(int updates, int ax = 0, int ay = 0) {
    for (int i = 0; i < updates; ++i) stage.MoveBall(ball, ax, ay);
  }
  STAGE stage;
  Ball ball;
};

TEST(BallPhysics, HoldingAKeyTiltsTheBoardToItsLimitAndAFullGripRollsAtTheTiltsSpeed) {
  Grid grid({std::string(40, '.')});
  grid.Place(48, 16);
  grid.Move(80, 1, 0);
  EXPECT_NEAR(grid.ball.tiltX, 4.0f, 1e-4);
  grid.Move(20, 1, 0);
  EXPECT_NEAR(grid.ball.tiltX, 4.0f, 1e-4) << "the limit holds";
  grid.Move(10);
  EXPECT_NEAR(grid.ball.tiltX, 4.0f, 1e-4) << "the tilt stays without keys";
  EXPECT_NEAR(grid.ball.velX, 128.0f, 1e-3) << "tilt 4 x 32 px/s on grip 255";
  EXPECT_FLOAT_EQ(grid.ball.velY, 0);
  // Two keys at once: the limit is on the length of the tilt.
  Grid diagonal({std::string(40, '.')});
  diagonal.Move(200, 1, 1);
  EXPECT_NEAR(std::hypot(diagonal.ball.tiltX, diagonal.ball.tiltY), 4.0f, 1e-4);
}

TEST(BallPhysics, OnIceTheSpeedNeverChangesWhateverTheTilt) {
  Grid grid({std::string(40, '_')});
  grid.Place(48, 16);
  grid.ball.velX = 30;
  grid.Move(60, -1, 0);
  EXPECT_FLOAT_EQ(grid.ball.velX, 30);
  EXPECT_NEAR(grid.ball.x, 48 + 30, 1e-3);
}

TEST(BallPhysics, AWallReturnsTheBallAtItsRestitutionAndLevelsTheTiltAcrossIt) {
  Grid grid({"....#"}, 255, 127);
  grid.Place(120, 16);  // the ball's edge 4 px into the wall's left side
  grid.ball.velX = 120;
  grid.ball.tiltX = 3.75f;  // exactly what a full grip keeps at 120 px/s
  grid.Move(1);
  EXPECT_FLOAT_EQ(grid.ball.velX, -60) << "grip 127: (127 + 1) / 256 of the speed";
  EXPECT_FLOAT_EQ(grid.ball.tiltX, 0);
  // Only a ball moving into the side bounces: leaving, it goes on.
  Grid leaving({"____#"});
  leaving.Place(120, 16);
  leaving.ball.velX = -40;
  leaving.Move(1);
  EXPECT_LT(leaving.ball.velX, 0);
  // A full restitution keeps all of the speed, none keeps 1/256.
  for (auto [grip, expected] : {std::pair{255, -120.0f}, {0, -120.0f / 256}}) {
    Grid wall({"....#"}, 0, grip);
    wall.Place(120, 16);
    wall.ball.velX = 120;
    wall.Move(1);
    EXPECT_FLOAT_EQ(wall.ball.velX, expected) << "grip " << grip;
  }
}

TEST(BallPhysics, APushCellsDigitsAddTiltForwardsUpToFourAndBackwardsFromFive) {
  Grid grid({"..>.."});
  grid.at(2, 0).param = 27;  // x digit 7 -> -3, y digit 2 -> +2
  grid.Place(80, 16);
  STAGE& stage = grid.stage;
  stage.Touch(grid.at(2, 0), grid.ball, 0);
  EXPECT_FLOAT_EQ(grid.ball.tiltX, -0.1f);
  EXPECT_NEAR(grid.ball.tiltY, 2 / 30.0f, 1e-6);
  for (auto [param, x] : {std::pair{4, 4 / 30.0f}, {5, -1 / 30.0f}, {9, -5 / 30.0f}, {0, 0.0f}}) {
    Ball ball;
    grid.at(2, 0).param = uint8_t(param);
    stage.Touch(grid.at(2, 0), ball, 0);
    EXPECT_NEAR(ball.tiltX, x, 1e-6) << "digit " << param;
  }
  // Its boost: the counter becomes 256 x the speed before the push, and lifts the tilt limit.
  Ball fast;
  fast.velX = 3;
  fast.velY = 4;
  stage.Touch(grid.at(2, 0), fast, 0);
  EXPECT_EQ(fast.counter, 1280);
  // Only the centre over the cell pushes.
  Ball beside;
  stage.Touch(grid.at(2, 0), beside, 1);
  EXPECT_FLOAT_EQ(beside.tiltX, 0);
}

TEST(BallPhysics, WallsJoinedInARowAreSmoothAtTheirJointButALoneCornerBounces) {
  // The ball slides left along the bottom of the walls, its centre under the joint's right side.
  auto slide = [](const std::vector<std::string>& rows) {
    Grid grid(rows, 0);
    grid.Place(67, 43);
    grid.ball.velX = -50;
    grid.ball.velY = -10;
    grid.Move(1);
    return grid.ball;
  };
  Ball joined = slide({".##.", "...."});
  EXPECT_LT(joined.velX, 0) << "no sideways bounce at the joint";
  EXPECT_GT(joined.velY, 0) << "the bottom edge still bounces";
  Ball corner = slide({".#..", "...."});
  EXPECT_GT(corner.velX, 0) << "a lone wall's corner bounces sideways";
}

TEST(BallPhysics, ASwitchLightsWhenPressedStaysLitWhileHeldAndFor127UpdatesAfter) {
  Grid grid({"s.s", "..."});
  Cell& sw = grid.at(0, 0);
  sw.param = 2;
  grid.at(2, 0).param = 1;
  grid.Place(16, 16);
  grid.Move(1);
  EXPECT_EQ(sw.param, 1);
  EXPECT_EQ(sw.column, 4) << "its picture moves a column left";
  EXPECT_EQ(grid.stage.CellRow(0), 5) << "lit: the row below";
  grid.Move(200);
  EXPECT_EQ(sw.param, 1) << "staying on it does not press it again";
  EXPECT_EQ(grid.stage.CellRow(0), 5);
  grid.Place(48, 48);  // off it, on the floor
  grid.Move(127);
  EXPECT_EQ(grid.stage.CellRow(0), 5);
  grid.Move(1);
  EXPECT_EQ(grid.stage.CellRow(0), 4) << "dark after 127 updates";
  grid.Place(16, 16);
  grid.Move(1);
  EXPECT_EQ(sw.param, 0) << "pressed again once dark";
  EXPECT_EQ(grid.stage.CellRow(0), 4) << "a spent switch never lights";
  // Pressing another switch darkens a lit one at once.
  Grid two({"s.s", "..."});
  two.at(0, 0).param = 2;
  two.at(2, 0).param = 2;
  two.Place(16, 16);
  two.Move(1);
  two.Place(80, 16);
  two.Move(2);
  EXPECT_EQ(two.stage.CellRow(0), 4);
  EXPECT_EQ(two.stage.CellRow(2), 5);
}

TEST(BallPhysics, GatesOpenIntoFloorOnTheUpdateAfterTheLastPress) {
  Grid grid({"s|#", "..."});
  grid.at(0, 0).param = 1;
  Cell& gate = grid.at(1, 0);
  gate.param = 200;
  grid.Place(16, 48);
  grid.Move(5);
  EXPECT_EQ(gate.kind, STAGE::kGate);
  grid.Place(16, 16);
  grid.Move(1);
  EXPECT_EQ(gate.kind, STAGE::kGate) << "the presses were counted before this update's press";
  grid.Move(1);
  EXPECT_EQ(gate.kind, STAGE::kFloor);
  EXPECT_EQ(gate.grip, 200);
  EXPECT_EQ(gate.param, 0);
  EXPECT_EQ(gate.column, 6) << "its picture moves a column right";
  EXPECT_EQ(grid.at(2, 0).kind, STAGE::kWall);
  // A closed gate is a wall (a switch with a press left keeps it shut).
  Grid shut({"s_|"}, 255, 255);
  shut.at(0, 0).param = 1;
  shut.at(2, 0).grip = 255;
  shut.Place(56, 16);
  shut.ball.velX = 60;
  shut.Move(1);
  EXPECT_FLOAT_EQ(shut.ball.velX, -60);
}

TEST(BallPhysics, AHoleTakesTheBallFor127UpdatesAndTheResetKeepsTheCells) {
  Grid grid({"..o..", "s|..."});
  grid.at(0, 1).param = 1;
  grid.stage.startColumn = 0;
  grid.stage.startRow = 0;
  grid.Place(16, 48);  // press the switch: the gate opens
  grid.Move(2);
  ASSERT_EQ(grid.at(1, 1).kind, STAGE::kFloor);
  grid.Place(80, 16);
  grid.ball.velX = 50;
  grid.Move(1);
  EXPECT_EQ(grid.ball.state, Ball::kFalling);
  EXPECT_EQ(grid.ball.velX, 0);
  EXPECT_EQ(grid.ball.counter, 252) << "254, less this update's 2";
  grid.Move(125);
  EXPECT_EQ(grid.ball.counter, 2);
  grid.Move(1, 1, 1);
  EXPECT_EQ(grid.ball.counter, 0);
  EXPECT_EQ(grid.ball.state, Ball::kFalling) << "the caller resets the ball";
  ASSERT_EQ(grid.stage.ResetBall(grid.ball), 0);
  EXPECT_EQ(grid.ball.x, 16);
  EXPECT_EQ(grid.ball.state, Ball::kRolling);
  EXPECT_FLOAT_EQ(grid.ball.tiltX, 0);
  EXPECT_EQ(grid.at(1, 1).kind, STAGE::kFloor) << "an opened gate stays open";
  STAGE empty;
  EXPECT_EQ(empty.ResetBall(grid.ball), 1);
}

TEST(BallPhysics, TheGoalTakesTheCentreAndHalvesTheSpeedOnEveryContact) {
  Grid grid({"...G"}, 0);
  Ball beside;
  beside.velX = 40;
  grid.stage.Touch(grid.at(3, 0), beside, 1);
  EXPECT_FLOAT_EQ(beside.velX, 20);
  EXPECT_EQ(beside.state, Ball::kRolling);
  grid.Place(112, 16);
  grid.Move(1);
  EXPECT_EQ(grid.ball.state, Ball::kEnteringGoal);
  grid.Move(126);
  EXPECT_EQ(grid.ball.counter, 0) << "127 updates in all";
  EXPECT_EQ(grid.stage.timeLeft, -127) << "the time runs through the animation";
}

}  // namespace
