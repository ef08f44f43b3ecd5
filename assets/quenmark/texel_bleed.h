#pragma once
#include "platform/image.h"

namespace assets::quenmark {

// Gives the fully transparent texels next to a drawn edge the colour of their drawn neighbours
// (alpha stays 0). Filtering blends a sprite's edge texels with the transparent ones beside
// them; with this the edge fades in its own colour instead of towards black or white.
void BleedColourIntoTransparent(platform::Image& image, int texels = 4);

}  // namespace assets::quenmark
