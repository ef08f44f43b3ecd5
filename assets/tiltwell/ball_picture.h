#pragma once
#include "platform/image.h"

// "img/pl.png": the ball, a polished steel sphere lit from the top-left, transparent outside
// its round edge. The game draws the 32-pixel picture on a 25-pixel square and shrinks and
// fades it as the ball falls into a hole.
namespace assets::tiltwell {

constexpr int kBallPicture = 32;

// The ball on a size x size picture; larger sizes for the title's view of the board.
platform::Image RenderBall(int size);

}  // namespace assets::tiltwell
