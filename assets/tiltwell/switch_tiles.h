#pragma once
#include "platform/image.h"

// Floor switches on stone: a button in a metal ring with one pip on the ring for every press
// it has left. A switch with none left is pressed flat. Lit, the button and its pips glow.
namespace assets::tiltwell {

constexpr int kMostPresses = 3;

// `pressesLeft` 0..kMostPresses.
platform::Image SwitchTile(int pressesLeft, bool lit);

}  // namespace assets::tiltwell
