#include "assets/pelbrix/crystal_mesh.h"

#include <cmath>

#include "assets/common/canvas.h"
#include "assets/pelbrix/mesh_colours.h"

namespace assets {
namespace {

constexpr int kPoints = 8;
constexpr float kTipRadius = 2.5f, kNotchRadius = 1.2f, kTableRadius = 0.9f;
constexpr float kTableHeight = 1.0f, kCuletDepth = 1.8f;

Vec3 OnCircle(float turns, float radius, float y) {
  float a = turns * 2 * kPi;
  return {radius * std::cos(a), y, radius * std::sin(a)};
}

}  // namespace

XMesh MakeCrystalMesh() {
  XMesh mesh;
  // Points bright, the valleys between them deeper, the table pale: the facets read apart at a
  // few pixels each. A faint glow keeps the shadowed side from going black.
  AddPaletteMaterial(mesh, 0.2f);
  int point = mesh.AddTexel(MeshColourTexel(MeshColour::Point));
  int valley = mesh.AddTexel(MeshColourTexel(MeshColour::Valley));
  int table = mesh.AddTexel(MeshColourTexel(MeshColour::Table));
  const Vec3 inside{0, 0, 0};
  for (float side : {1.0f, -1.0f}) {
    // The crown (above) ends in a flat table; the pavilion (below) narrows to a point.
    const Vec3 centre{0, side > 0 ? kTableHeight : -kCuletDepth, 0};
    for (int i = 0; i < kPoints; ++i) {
      float t = float(i) / kPoints, step = 1.0f / kPoints;
      Vec3 tip = OnCircle(t, kTipRadius, 0);
      Vec3 notchBefore = OnCircle(t - step / 2, kNotchRadius, 0), notchAfter = OnCircle(t + step / 2, kNotchRadius, 0);
      Vec3 ring = OnCircle(t, kTableRadius, side * kTableHeight * 0.9f);
      Vec3 nextRing = OnCircle(t + step, kTableRadius, side * kTableHeight * 0.9f);
      mesh.AddFacet(ring, notchBefore, tip, point, inside);
      mesh.AddFacet(ring, tip, notchAfter, valley, inside);
      mesh.AddFacet(ring, notchAfter, nextRing, valley, inside);
      mesh.AddFacet(centre, ring, nextRing, side > 0 ? table : valley, inside);
    }
  }
  return mesh;
}

}  // namespace assets
