#pragma once
#include "assets/vexilo/figure_place.h"

namespace assets::vexilo {

// Sky with clouds and the meadow, shared by the title and the game.
void DrawScenery(platform::Image& image);
// The round stage under the mascot's feet, placed with the mascot.
void DrawStage(platform::Image& image, const Place& place);

}  // namespace assets::vexilo
