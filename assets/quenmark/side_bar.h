#pragma once
#include "platform/image.h"

namespace assets::quenmark {

// "SideBar.dds": the opaque panel on the right of the screen, behind the rows the game writes
// on it (high score, score, lives, power). It carries each row's label just above the row and a
// dark plate behind each row of characters; everything that must be read lies in its left part,
// which even a 4:3 screen shows.
bool RenderSideBar(int size, platform::Image& out);

}  // namespace assets::quenmark
