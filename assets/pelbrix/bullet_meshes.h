#pragma once
#include "assets/common/x_mesh_file.h"

namespace assets {

// "bullet.x": a hot orange gem, 1.2 units across, 16 facets.
XMesh MakeOrbBulletMesh();
// "bullet2.x": a cyan four-pointed star, 1.5 units across, 16 facets.
XMesh MakeStarBulletMesh();

}  // namespace assets
