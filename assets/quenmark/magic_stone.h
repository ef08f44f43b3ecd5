#pragma once
#include "platform/image.h"

namespace assets::quenmark {

// "MagicStone.dds": a life, shown in a row on the side bar: a cut emerald with lit facets and a
// green halo. The gem keeps to the middle half of the square's width, since the row overlaps the
// icons' squares.
platform::Image RenderMagicStone(int size);

}  // namespace assets::quenmark
