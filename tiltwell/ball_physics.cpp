// How the ball rolls: the tilt from the keys, the grip of the floor under it, and what each
// kind of cell does when the ball's centre is over it or its edge touches one of its sides.
#include <cmath>

#include "tiltwell/stage.h"

namespace {

constexpr float kTiltSteps = 20;          // updates of a held key to a tilt of 1
constexpr float kTiltLimit = 4;           // raised by the boost counter / 256
constexpr float kSpeedPerTilt = 32;       // pixels a second for a tilt of 1 on a full grip
constexpr float kPushSteps = 30;          // updates on a push cell to add 1 per digit
constexpr int kBallRadius = 12;
constexpr int kReach = STAGE::kCellSize + kBallRadius;  // 44: beyond it no side is touched
constexpr int kAnimationStart = 254;                    // falling and goal: 127 updates
constexpr int kSwitchLit = 255, kSwitchHeld = 127;

// The grip rule on one axis: the velocity moves towards what the tilt asks for, all the way on
// a full grip (255) and not at all on ice (0).
void Grip(float& velocity, float tilt, int grip) {
  const float target = tilt * kSpeedPerTilt * float(grip + 1) / 256;
  velocity = target + (velocity - target) * float(255 - grip) / 255;
}

// A push digit: 0..4 push forwards by that much, 5..9 backwards by 1..5.
int PushDigit(int digit) { return digit < 5 ? digit : 4 - digit; }

// Which side of a cell the ball touches along one axis, from the distances of its centre past
// the cell's near edge (beyond) and before it (before): -1 past the far edge, +1 before the
// near edge, 0 over the cell, 2 at exactly the reach (no contact).
int Side(float beyond, float before) {
  if (beyond > STAGE::kCellSize && beyond < kReach) return -1;
  if (before > 0 && before < kBallRadius) return 1;
  if (beyond <= STAGE::kCellSize && before <= 0) return 0;
  return 2;
}

}  // namespace

void STAGE::MoveBall(Ball& ball, int ax, int ay) {
  ball.tiltX += float(ax) / kTiltSteps;
  ball.tiltY += float(ay) / kTiltSteps;
  const float tilt = std::sqrt(ball.tiltX * ball.tiltX + ball.tiltY * ball.tiltY);
  const float limit = kTiltLimit + float(ball.counter) / 256;
  if (tilt > limit) {
    ball.tiltX *= limit / tilt;
    ball.tiltY *= limit / tilt;
  }

  // Switches: the presses left in all of them, and their lights going down. A light above
  // 128 was lit by a press in the last update; that press darkens every other switch.
  int pressesLeft = 0;
  bool justPressed = false;
  for (Cell& cell : cells) {
    if (cell.kind != kSwitch) continue;
    pressesLeft += cell.param;
    if (cell.timer != 0) --cell.timer;
    if (cell.timer > 128) justPressed = true;
  }

  const int count = int(cells.size());
  for (int i = 0; i < count; ++i) {
    Cell& cell = cells[size_t(i)];
    const int c = i % cols, r = i / cols;
    if (cell.kind == kSwitch && justPressed) cell.timer = cell.timer < 128 ? 0 : kSwitchHeld;
    if (cell.kind == kGate && pressesLeft == 0) {
      cell.kind = kFloor;
      cell.grip = cell.param;
      cell.param = 0;
      ++cell.column;
    }

    const float left = float(kCellSize * c), top = float(kCellSize * r);
    const float dx1 = ball.x - left, dx2 = left - ball.x;
    const float dy1 = ball.y - top, dy2 = top - ball.y;
    if (dx1 > kReach || dx2 > kBallRadius || dy1 > kReach || dy2 > kBallRadius) continue;
    const int h = Side(dx1, dx2), v = Side(dy1, dy2);
    if (h == 2 || v == 2) continue;
    if (h == 0 && v == 0) {
      Touch(cell, ball, 0);
    } else if (v == 0) {
      Touch(cell, ball, h);
    } else if (h == 0) {
      Touch(cell, ball, 2 * v);
    } else {
      // A corner: touched when the ball's edge reaches the corner point. Where a wall joins
      // another wall, their shared edge is smooth: no bounce off the joint.
      const float cornerX = h == -1 ? left + kCellSize : left;
      const float cornerY = v == -1 ? top + kCellSize : top;
      const float ex = ball.x - cornerX, ey = ball.y - cornerY;
      if (ex * ex + ey * ey >= float(kBallRadius * kBallRadius)) continue;
      auto isWall = [this](int index) { return cells[size_t(index)].kind == kWall; };
      const bool smoothAcross = cell.kind == kWall && i > 0 && i < count - 1 && isWall(i - h);
      if (!smoothAcross) Touch(cell, ball, h);
      const bool smoothAlong = cell.kind == kWall && i > cols && i < count - cols && isWall(i - cols * v);
      if (!smoothAlong) Touch(cell, ball, 2 * v);
    }
  }

  ball.x += ball.velX / kUpdatesPerSecond;
  ball.y += ball.velY / kUpdatesPerSecond;
  --timeLeft;
  if (ball.state == Ball::kFalling || ball.state == Ball::kEnteringGoal) ball.counter -= 2;
  if (ball.counter > 0 && ball.state == Ball::kRolling) --ball.counter;
}

void STAGE::Touch(Cell& cell, Ball& ball, int contact) {
  const int grip = cell.grip;
  switch (cell.kind) {
    case kHole:
      if (contact == 0 && ball.state == Ball::kRolling) {
        ball.state = Ball::kFalling;
        ball.counter = kAnimationStart;
        ball.velX = ball.velY = 0;
      }
      break;
    case kFloor:
      if (contact == 0) {
        Grip(ball.velX, ball.tiltX, grip);
        Grip(ball.velY, ball.tiltY, grip);
      }
      break;
    case kWall:
    case kGate: {
      // Bounces only a ball moving into the side it touches; restitution (grip + 1) / 256.
      const float restitution = float(grip + 1) / 256;
      if ((contact == 1 && ball.velX > 0) || (contact == -1 && ball.velX < 0)) {
        ball.velX = -ball.velX * restitution;
        ball.tiltX = 0;
      } else if ((contact == 2 && ball.velY > 0) || (contact == -2 && ball.velY < 0)) {
        ball.velY = -ball.velY * restitution;
        ball.tiltY = 0;
      }
      break;
    }
    case kPush:
      if (contact == 0) {
        const float speed = std::sqrt(ball.velX * ball.velX + ball.velY * ball.velY);
        ball.tiltX += float(PushDigit(cell.param % 10)) / kPushSteps;
        Grip(ball.velX, ball.tiltX, grip);
        ball.tiltY += float(PushDigit(cell.param / 10)) / kPushSteps;
        Grip(ball.velY, ball.tiltY, grip);
        ball.counter = int(std::floor(256 * speed));
      }
      break;
    case kSwitch:
      if (contact == 0) {
        if (cell.timer == 0 && cell.param > 0) {
          --cell.param;
          --cell.column;
          cell.timer = kSwitchLit;
        } else if (cell.param > 0) {
          ++cell.timer;  // held lit while the ball stays on it
        }
      }
      Grip(ball.velX, ball.tiltX, grip);
      Grip(ball.velY, ball.tiltY, grip);
      break;
    case kGoal:
      if (contact == 0 && ball.state == Ball::kRolling) {
        ball.state = Ball::kEnteringGoal;
        ball.counter = kAnimationStart;
      }
      ball.velX *= 0.5f;
      ball.velY *= 0.5f;
      break;
    default:
      break;
  }
}
