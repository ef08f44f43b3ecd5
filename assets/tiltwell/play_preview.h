#pragma once
#include "platform/image.h"

// A mock of the play screen made from the game's pictures, to judge them together: the table,
// a maze around the ball at the centre, the ball, and the time counter, each placed and sized
// as the game draws it.
namespace assets::tiltwell {

struct GamePictures {
  platform::Image tileSheet, background, ball, time;
};

platform::Image RenderPlayPreview(const GamePictures& pictures);

}  // namespace assets::tiltwell
