#pragma once

// The ball, in maze pixels: cell (c, r) covers x 32c..32c+32 and y 32r..32r+32.
struct Ball {
  static constexpr int kRolling = 1, kFalling = 0, kEnteringGoal = 2;

  float x = 0, y = 0;  // its centre
  int state = kRolling;
  // Falling or entering the goal: the animation's countdown, 254 to 0 in steps of 2. Rolling:
  // the boost a push cell gave, counting down by 1 an update; it raises the tilt limit.
  int counter = 0;
  float tiltX = 0, tiltY = 0;  // the board's tilt, kept while no key is held
  float velX = 0, velY = 0;    // maze pixels a second
};
