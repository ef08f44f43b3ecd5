#pragma once
#include <cstdint>
#include <vector>

#include "tiltwell/stage.h"

// A player made of code for the maze game: it steers the ball through a list of cells with the
// arrow keys, under the game's own rules, and keeps what it pressed.
namespace autopilot {

struct Waypoint {
  float column = 0, row = 0;  // the cell (fractions allowed) whose centre it steers to
  float speed = 128;          // the fastest it rolls towards it, maze pixels a second
  float reach = 5;            // how near the centre counts as there, in pixels
  int wait = 0;               // updates to stay there once reached (for a lit switch to go dark)
  // An aim rather than a place: it steers at the point until the ball slides onto ice, then
  // goes on to the next waypoint. A point beyond a wall aims a shot that bounces off it.
  bool launch = false;
};

// How it plays: the share of the braking the tilt allows that it counts on, how far the tilt
// may stray from the one it wants before it presses a key, and the fewest updates between two
// key changes (a person needs a few).
struct Style {
  float braking = 0.5f;
  float slack = 0.05f;
  int hold = 1;
};

struct Flight {
  bool cleared = false;
  int updates = 0;  // to the clear, or until it gave up
  int falls = 0;
  int reached = 0;  // waypoints reached
  std::vector<uint8_t> keys;  // per update, as recording:: keys
};

// Plays stage n of the stage's loaded set from its start, steering to the waypoints in turn
// (the last one should be the goal) with at most one key change an update, until the clear, a
// fall into a hole, the time running out, or no waypoint reached for 30 seconds.
Flight Fly(STAGE& stage, int n, const std::vector<Waypoint>& route, const Style& style);

// Plays keys on stage n as the play step does: every update one move of the ball, then back to
// the start when a fall has ended. clearedAt is the update (0-based) in which the stage is
// cleared, or -1 when the keys or the time run out first.
struct Replay {
  int clearedAt = -1;
  int falls = 0;
};
Replay Play(STAGE& stage, int n, const std::vector<uint8_t>& keys);

}  // namespace autopilot
