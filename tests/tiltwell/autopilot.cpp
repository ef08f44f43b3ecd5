#include "tests/tiltwell/autopilot.h"

#include <algorithm>
#include <bitset>
#include <cmath>

#include "tests/tiltwell/recording.h"

namespace autopilot {
namespace {

constexpr float kTiltStep = 1.0f / 20;  // a held key's tilt per update
constexpr float kSpeedPerTilt = 32;     // on a full grip, pixels a second
constexpr float kUpdatesPerSecond = 60;
constexpr int kPatience = 30 * 60;      // updates without reaching a waypoint before giving up

const Cell* CellUnder(const STAGE& stage, const Ball& ball) {
  const int c = int(std::floor(ball.x / STAGE::kCellSize)), r = int(std::floor(ball.y / STAGE::kCellSize));
  if (c < 0 || r < 0 || c >= stage.cols || r >= stage.rows) return nullptr;
  return &stage.cells[size_t(r * stage.cols + c)];
}

bool OnIce(const STAGE& stage, const Ball& ball) {
  const Cell* cell = CellUnder(stage, ball);
  return cell && cell->kind == STAGE::kFloor && cell->grip == 0;
}

// The share of the carpet's speed the cell under the ball gives a tilt. Ice gives none: there
// the tilt only matters for the landing, so it is planned as for carpet.
float GripShare(const STAGE& stage, const Ball& ball) {
  const Cell* cell = CellUnder(stage, ball);
  if (!cell || cell->grip == 0 || cell->kind == STAGE::kHole || cell->kind == STAGE::kGoal) return 1;
  return float(cell->grip + 1) / 256;
}

// The key on one axis (-1, 0, 1): pressed once the tilt strays from the wanted one by more
// than the slack, held until it has got there.
int AxisKey(int held, float tilt, float wanted, float slack) {
  if (held > 0) return tilt < wanted ? 1 : 0;
  if (held < 0) return tilt > wanted ? -1 : 0;
  if (tilt < wanted - slack) return 1;
  if (tilt > wanted + slack) return -1;
  return 0;
}

uint8_t KeysFor(int ax, int ay) {
  uint8_t keys = 0;
  if (ax < 0) keys |= recording::kLeft;
  if (ax > 0) keys |= recording::kRight;
  if (ay < 0) keys |= recording::kUp;
  if (ay > 0) keys |= recording::kDown;
  return keys;
}

// One key change towards the wanted keys: releases first.
uint8_t OneStepTowards(uint8_t held, uint8_t wanted) {
  const uint8_t change = held ^ wanted;
  if (std::bitset<8>(change).count() <= 1) return wanted;
  for (uint8_t bit = 1; bit < 16; bit <<= 1)
    if ((change & bit) && (held & bit)) return uint8_t(held & ~bit);
  for (uint8_t bit = 1; bit < 16; bit <<= 1)
    if (change & bit) return uint8_t(held | bit);
  return held;
}

// One update as the play step runs it.
void Step(STAGE& stage, Ball& ball, uint8_t keys, int& falls) {
  stage.MoveBall(ball, recording::TiltX(keys), recording::TiltY(keys));
  if (ball.state == Ball::kFalling && ball.counter == 0) {
    stage.ResetBall(ball);
    ++falls;
  }
}

bool Cleared(const Ball& ball) { return ball.state == Ball::kEnteringGoal && ball.counter == 0; }
bool TimedOut(const STAGE& stage, const Ball& ball) {
  return stage.timeLeft < 0 && ball.state != Ball::kEnteringGoal;
}

}  // namespace

Flight Fly(STAGE& stage, int n, const std::vector<Waypoint>& route, const Style& style) {
  Flight flight;
  Ball ball;
  if (route.empty() || stage.Start(n, ball) != 0) return flight;
  uint8_t held = 0;
  int sinceChange = style.hold, sinceProgress = 0;
  size_t next = 0;
  int waited = 0;
  while (true) {
    const Waypoint& w = route[std::min(next, route.size() - 1)];
    const float ex = STAGE::kCellSize * (w.column + 0.5f) - ball.x;
    const float ey = STAGE::kCellSize * (w.row + 0.5f) - ball.y;
    const float share = GripShare(stage, ball);
    const float braking = kTiltStep * kSpeedPerTilt * share * kUpdatesPerSecond * style.braking;  // px/s²
    const float distance = std::hypot(ex, ey);
    const float top = std::min(w.speed, 4 * kSpeedPerTilt * share * 0.95f);
    const float speed = std::min(top, std::sqrt(2 * braking * std::max(distance - 1, 0.0f)));
    const float scale = distance > 0.5f ? speed / distance / (kSpeedPerTilt * share) : 0;
    const int ax = AxisKey(recording::TiltX(held), ball.tiltX, ex * scale, style.slack);
    const int ay = AxisKey(recording::TiltY(held), ball.tiltY, ey * scale, style.slack);
    const uint8_t wanted = KeysFor(ax, ay);
    if (wanted != held && sinceChange >= style.hold) {
      held = OneStepTowards(held, wanted);
      sinceChange = 0;
    }
    ++sinceChange;
    flight.keys.push_back(held);
    int falls = 0;
    Step(stage, ball, held, falls);
    ++flight.updates;
    if (falls || ball.state == Ball::kFalling) {
      flight.falls = 1;
      return flight;
    }
    if (Cleared(ball)) {
      flight.cleared = true;
      flight.reached = int(route.size());
      return flight;
    }
    if (TimedOut(stage, ball) || ++sinceProgress > kPatience) return flight;
    const bool there = w.launch ? OnIce(stage, ball) : std::fabs(ex) < w.reach && std::fabs(ey) < w.reach;
    if (next < route.size() && there && ++waited > w.wait) {
      ++next;
      waited = 0;
      sinceProgress = 0;
      flight.reached = int(next);
    }
  }
}

Replay Play(STAGE& stage, int n, const std::vector<uint8_t>& keys) {
  Replay replay;
  Ball ball;
  if (stage.Start(n, ball) != 0) return replay;
  for (size_t i = 0; i < keys.size(); ++i) {
    Step(stage, ball, keys[i], replay.falls);
    if (Cleared(ball)) {
      replay.clearedAt = int(i);
      return replay;
    }
    if (TimedOut(stage, ball)) return replay;
  }
  return replay;
}

}  // namespace autopilot
