#include "assets/pelbrix/bullet_meshes.h"

#include <cmath>

#include "assets/common/canvas.h"
#include "assets/common/mesh_pieces.h"
#include "assets/pelbrix/mesh_colours.h"

namespace assets {
namespace {

// Points around the vertical axis, alternating between two radii (equal radii give a polygon).
Ring Girdle(int count, float radius, float otherRadius) {
  Ring ring;
  for (int i = 0; i < count; ++i) {
    float a = 2 * kPi * i / count;
    float r = i % 2 ? otherRadius : radius;
    ring.push_back({r * std::cos(a), 0, r * std::sin(a)});
  }
  return ring;
}

}  // namespace

// Bullets are the most numerous thing drawn, two thousand at worst: 16 facets each, one material
// so a run of them is one draw, and a glow so that they stand out on black whichever way the
// light falls.
constexpr float kBulletGlow = 0.475f;

XMesh MakeOrbBulletMesh() {
  XMesh mesh;
  AddPaletteMaterial(mesh, kBulletGlow);
  int hot = mesh.AddTexel(MeshColourTexel(MeshColour::Hot));
  int bright = mesh.AddTexel(MeshColourTexel(MeshColour::Bright));
  AddBipyramid(mesh, Girdle(8, 0.6f, 0.6f), 0.45f, 0.45f, hot, bright);
  return mesh;
}

XMesh MakeStarBulletMesh() {
  XMesh mesh;
  AddPaletteMaterial(mesh, kBulletGlow);
  int cyan = mesh.AddTexel(MeshColourTexel(MeshColour::Cyan));
  int pale = mesh.AddTexel(MeshColourTexel(MeshColour::Pale));
  AddBipyramid(mesh, Girdle(8, 0.75f, 0.25f), 0.3f, 0.3f, cyan, pale);
  return mesh;
}

}  // namespace assets
