#pragma once
#include "assets/common/x_mesh_file.h"

namespace assets {

// "magic.x": the enemies' crystal, 5 units across and 64 facets: an eight-pointed star-cut gem
// seen from above (its table faces +y, the camera), which turns about that axis.
XMesh MakeCrystalMesh();

}  // namespace assets
