#pragma once
#include "platform/image.h"

// The stage's two marked places on stone floor.
namespace assets::tiltwell {

// The goal: a glowing chequered pad with a red pennant, seen from anywhere on the screen.
platform::Image GoalTile();
// The start: a brass ring inlaid in the floor, enough to find it, too quiet to look like a goal.
platform::Image StartTile();

}  // namespace assets::tiltwell
