#include "assets/pelbrix/bullet_meshes.h"

#include <cmath>

#include "assets/common/canvas.h"
#include "assets/common/mesh_pieces.h"

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

// Bullets are the most numerous thing drawn, two thousand at worst: 16 facets each, and an
// emissive glow so that they stand out on black whichever way the light falls.
XMesh MakeOrbBulletMesh() {
  XMesh mesh;
  int hot = mesh.AddMaterial({1.00f, 0.32f, 0.12f, 1, 0, 0, 0, 0, 0.75f, 0.15f, 0.05f});
  int bright = mesh.AddMaterial({1.00f, 0.80f, 0.30f, 1, 0, 0, 0, 0, 0.75f, 0.45f, 0.10f});
  AddBipyramid(mesh, Girdle(8, 0.6f, 0.6f), 0.45f, 0.45f, hot, bright);
  return mesh;
}

XMesh MakeStarBulletMesh() {
  XMesh mesh;
  int cyan = mesh.AddMaterial({0.25f, 0.90f, 1.00f, 1, 0, 0, 0, 0, 0.10f, 0.50f, 0.60f});
  int pale = mesh.AddMaterial({0.50f, 0.90f, 1.00f, 1, 0, 0, 0, 0, 0.25f, 0.55f, 0.70f});
  AddBipyramid(mesh, Girdle(8, 0.75f, 0.25f), 0.3f, 0.3f, cyan, pale);
  return mesh;
}

}  // namespace assets
