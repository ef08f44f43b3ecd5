#pragma once
#include "platform/image.h"

// "stages/back.png": what the player sees around and beyond the maze, 640 x 480: a dark walnut
// table top, low in contrast and darker towards the corners, so that the tiles stand out on it.
namespace assets::tiltwell {

constexpr int kScreenWidth = 640, kScreenHeight = 480;

platform::Image RenderTableTop();

}  // namespace assets::tiltwell
