#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/render_types.h"

namespace platform {

struct MeshVertex {
  float x, y, z;     // position
  float nx, ny, nz;  // normal
  float u, v;        // texture coordinates, v = 0 at the top of the picture
};

// A material as a .x file gives it. The texture name is the file's bytes (CP932), relative to
// the mesh file's folder; empty when the material has no texture.
struct MeshMaterial {
  ColorValue diffuse{1, 1, 1, 1};
  ColorValue specular{0, 0, 0, 0};
  ColorValue emissive{0, 0, 0, 0};
  float power = 0;
  std::string textureFile;
};

// A triangle mesh in the file's own left-handed coordinates and clockwise winding, split into
// one subset per material: subset i holds the faces drawn with material i.
struct MeshData {
  std::vector<MeshVertex> vertices;
  std::vector<uint32_t> indices;  // three per triangle
  struct Subset {
    uint32_t firstIndex = 0;
    uint32_t indexCount = 0;
  };
  std::vector<Subset> subsets;
  std::vector<MeshMaterial> materials;  // as many as subsets
};

// Reads a DirectX .x mesh (text or binary). Frames are collapsed into one mesh with their
// transforms applied. False (and empty data) when the file is missing, a folder or unreadable,
// or is not a whole mesh: a face that names a vertex, a normal or a material the mesh does not
// have refuses the whole file.
bool LoadXMesh(const std::string& hostPath, MeshData& out);
// The same for the bytes of a .x file.
bool DecodeXMesh(std::string_view bytes, MeshData& out);

}  // namespace platform
