#include "assets/pelbrix/ship_mesh.h"

#include "assets/common/mesh_pieces.h"

namespace assets {
namespace {

// A hull cross-section at z: a ridge on top, shoulders that catch the light, a flatter belly.
Ring HullRing(float z, float halfWidth, float height, float scale = 1) {
  float w = halfWidth * scale, h = height * scale;
  return {{0, h, z}, {w, 0.3f * h, z}, {0.65f * w, -0.5f * h, z}, {0, -0.6f * h, z},
          {-0.65f * w, -0.5f * h, z}, {-w, 0.3f * h, z}};
}

// A wing's section at span x: thin at the leading and trailing edges, thickest a third back,
// so its upper face breaks into a lit front and a darker back.
Ring WingRing(float x, float leading, float trailing, float thickness) {
  float ridge = leading + (trailing - leading) * 0.4f;
  return {{x, 0, leading}, {x, thickness, ridge}, {x, 0, trailing}, {x, -0.6f * thickness, ridge}};
}

}  // namespace

XMesh MakeShipMesh() {
  XMesh mesh;
  int hull = mesh.AddMaterial({0.80f, 0.85f, 0.95f, 1, 0, 0, 0, 0, 0.04f, 0.05f, 0.08f});
  int wing = mesh.AddMaterial({0.20f, 0.42f, 1.00f, 1, 0, 0, 0, 0, 0.02f, 0.06f, 0.18f});
  int glass = mesh.AddMaterial({0.30f, 0.95f, 1.00f, 1, 0, 0, 0, 0, 0.10f, 0.35f, 0.45f});
  int engine = mesh.AddMaterial({1.00f, 0.55f, 0.15f, 1, 0, 0, 0, 0, 0.90f, 0.40f, 0.05f});

  const Vec3 nose{0, 0.05f, 2.2f};
  AddLoft(mesh, {HullRing(1.3f, 0.32f, 0.34f), HullRing(0.2f, 0.5f, 0.5f), HullRing(-1.0f, 0.46f, 0.42f),
                 HullRing(-1.6f, 0.36f, 0.3f)},
          &nose, nullptr, hull);
  // The exhaust sits just behind the hull, slightly narrower, so its glow rims the tail.
  AddLoft(mesh, {HullRing(-1.55f, 0.36f, 0.3f, 0.8f), HullRing(-1.85f, 0.36f, 0.3f, 0.65f)}, nullptr, nullptr,
          engine);

  const Vec3 canopyFront{0, 0.40f, 1.35f}, canopyBack{0, 0.50f, -0.55f};
  AddLoft(mesh, {{{0, 0.66f, 0.8f}, {0.19f, 0.50f, 0.8f}, {0, 0.30f, 0.8f}, {-0.19f, 0.50f, 0.8f}},
                 {{0, 0.68f, 0.0f}, {0.22f, 0.52f, 0.0f}, {0, 0.34f, 0.0f}, {-0.22f, 0.52f, 0.0f}}},
          &canopyFront, &canopyBack, glass);

  for (float side : {1.0f, -1.0f}) {
    AddLoft(mesh, {WingRing(0.35f * side, 0.6f, -1.3f, 0.16f), WingRing(1.5f * side, -1.0f, -1.45f, 0.05f)},
            nullptr, nullptr, wing);
  }
  return mesh;
}

}  // namespace assets
