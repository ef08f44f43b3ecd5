#pragma once
#include "assets/common/x_mesh_file.h"
#include "platform/image.h"

namespace assets {

// The colours of the bullets' and the crystal's facets as one strip of texels,
// "Files/mesh_colours.png": each of those meshes has one white material textured with it, so the
// game draws a run of them in one call, and the texture stage's modulate gives each facet its
// colour lit.
enum class MeshColour { Hot, Bright, Cyan, Pale, Point, Valley, Table, Count };

constexpr const char* kMeshColoursFile = "mesh_colours.png";

// 8 by 1 pixels: a power of two wide, so the texture is the picture unstretched.
platform::Image RenderMeshColours();
// The centre of the colour's texel, where a facet's corners sample it unblended.
TexCoord MeshColourTexel(MeshColour colour);
// Gives the mesh its one material: white, lit in full by ambient and diffuse, the strip as its
// texture, and `glow` as a grey emissive that keeps facets turned from the light bright.
void AddPaletteMaterial(XMesh& mesh, float glow);

}  // namespace assets
