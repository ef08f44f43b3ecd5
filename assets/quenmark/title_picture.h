#pragma once
#include "platform/image.h"

namespace assets::quenmark {

// "Title.dds": drawn at (0, 30) on a 320-unit square, so the screen shows it from y -124 (near
// its top) to 124 (a fifth above its foot) and the menu's words stand on its lower part. The
// game's name and version sit in the band from y -85 to 0, over a soft dark haze that fades out
// well inside the square; below y 40 the square is transparent.
bool RenderTitlePicture(int size, platform::Image& out);

}  // namespace assets::quenmark
