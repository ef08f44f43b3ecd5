#pragma once
#include "platform/image.h"

namespace assets::vexilo {

// The digit column: 0..9 and then the heart that parts the lives from the score, each in a
// 40 x 40 cell of pure white. The game ANDs the cells onto the score plate, so white leaves
// the plate as it is and the dark glyphs show. False when the font cannot be used.
bool DrawScoreDigits(platform::Image& out);

}  // namespace assets::vexilo
