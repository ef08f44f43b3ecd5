#pragma once
#include "assets/vexilo/figure_place.h"

namespace assets::vexilo {

// The mascot without its arms: legs, body with its chest screen, head. It is drawn after the
// flags, so its shoulder and hip joints cover where the arms begin.
void DrawMascot(platform::Image& image, const Place& place);

// The chest screen as it shows in the bonus game: the screen with a heart on it.
void DrawChestHeart(platform::Image& image, const Place& place);

}  // namespace assets::vexilo
