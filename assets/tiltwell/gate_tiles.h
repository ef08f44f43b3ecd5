#pragma once
#include "platform/image.h"

// Gates on stone floor. Closed, a coloured grille fills the cell and blocks the way; open, only
// its frame is left around plain floor, with the slots the bars dropped into.
namespace assets::tiltwell {

enum class GateColour { Blue, Green };

platform::Image GateTile(GateColour colour, bool open);

}  // namespace assets::tiltwell
