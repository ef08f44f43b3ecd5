#pragma once
#include "assets/tiltwell/floor_tiles.h"
#include "platform/image.h"

// A round pit in the middle of a floor cell: the floor dips towards it, and inside the far
// wall catches the light while the near side falls into shadow.
namespace assets::tiltwell {

platform::Image HoleTile(Floor around);

}  // namespace assets::tiltwell
