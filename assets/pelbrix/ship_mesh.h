#pragma once
#include "assets/common/x_mesh_file.h"

namespace assets {

// "myship.x": the player's ship seen from above, nose to +z (up the screen), 4 units long and 3
// wide: a silver hull with a glass canopy, swept blue wings and a glowing engine. It is closed
// underneath too, since the ship banks and spins about its long axis.
XMesh MakeShipMesh();

}  // namespace assets
