#pragma once
#include "platform/image.h"

namespace assets::quenmark {

// "MyShip.dds": the player's fighter seen from above, nose up (towards the top of the screen):
// a steel hull with swept wings, a cyan canopy, gold trim and two engines burning below.
// Transparent around it.
platform::Image RenderPlayerShip(int size);

}  // namespace assets::quenmark
