#pragma once
#include "platform/mesh_data.h"

namespace testing_support {

// One triangle with one material, facing -z: the least a device can draw as a mesh.
inline platform::MeshData OneTriangle() {
  platform::MeshData m;
  m.vertices = {{0, 0, 0, 0, 0, -1, 0, 0}, {0, 1, 0, 0, 0, -1, 0, 0}, {1, 0, 0, 0, 0, -1, 0, 0}};
  m.indices = {0, 1, 2};
  m.subsets = {{0, 3}};
  m.materials.resize(1);
  return m;
}

}  // namespace testing_support
