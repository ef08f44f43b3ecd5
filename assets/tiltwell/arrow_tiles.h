#pragma once
#include "platform/image.h"

// Booster pads on stone floor: a dark plate with a glowing rim and two bright chevrons that
// point where the pad pushes the ball.
namespace assets::tiltwell {

// `direction` 0..7: right, down-right, down, down-left, left, up-left, up, up-right, in screen
// terms (+y is down), so each step turns the arrow 45 degrees clockwise.
platform::Image ArrowTile(int direction);

}  // namespace assets::tiltwell
