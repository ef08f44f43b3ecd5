#pragma once
#include "platform/image.h"

namespace assets::vexilo {

// The countdown column's cells: five top blocks from plenty of time (green, smiling) to the
// last moment (red, alarmed), then the plain block stacked under the top one. Each is drawn
// over the background where the game copies it.
platform::Image DrawCountdownBlocks(const platform::Image& background);

}  // namespace assets::vexilo
