#pragma once
#include "platform/image.h"

namespace assets::vexilo {

// The playing field: sky, meadow and the stage the mascot stands on, the framed instruction
// column on the left, the countdown column on the right and the white score plate on top.
platform::Image DrawPlayBackground();

// The title screen, the only picture shown there: the title, the mascot waving its four
// flags and the prompt to start. False when its fonts cannot be used.
bool DrawTitleBackground(platform::Image& out);

}  // namespace assets::vexilo
