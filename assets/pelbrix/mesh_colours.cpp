#include "assets/pelbrix/mesh_colours.h"

#include <cstdint>

namespace assets {
namespace {

constexpr int kWidth = 8;

// Each texel is the colour that, times the white material's light (scene ambient 0.44, the
// light's diffuse, and the mesh's grey glow), comes closest on the facets the camera sees to the
// former coloured material with its own coloured emissive.
constexpr uint32_t kColours[int(MeshColour::Count)] = {
    0xFFFF7229,  // hot: orange-red, the orb bullet
    0xFFFFF660,  // bright: yellow, the orb bullet
    0xFF53FDFF,  // cyan: the star bullet
    0xFFB3FFFF,  // pale: the star bullet's lighter facets
    0xFFFB6AFF,  // point: magenta, the crystal's points
    0xFF9250FF,  // valley: violet, between the points and below
    0xFFFFF7FF,  // table: near white, the crystal's top
};

}  // namespace

platform::Image RenderMeshColours() {
  platform::Image strip(kWidth, 1, 0xFF000000);
  for (int i = 0; i < int(MeshColour::Count); ++i) strip.at(i, 0) = kColours[i];
  return strip;
}

TexCoord MeshColourTexel(MeshColour colour) { return {(float(colour) + 0.5f) / kWidth, 0.5f}; }

void AddPaletteMaterial(XMesh& mesh, float glow) {
  XMaterial material;
  material.emissiveR = material.emissiveG = material.emissiveB = glow;
  mesh.AddMaterial(material, kMeshColoursFile);
}

}  // namespace assets
