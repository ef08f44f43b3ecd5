#include "assets/common/mesh_pieces.h"

namespace assets {
namespace {

Vec3 Middle(const std::vector<Vec3>& points) {
  Vec3 m;
  for (const Vec3& p : points) {
    m.x += p.x;
    m.y += p.y;
    m.z += p.z;
  }
  float n = points.empty() ? 1.0f : float(points.size());
  return {m.x / n, m.y / n, m.z / n};
}

Vec3 Mid(Vec3 a, Vec3 b) { return {(a.x + b.x) / 2, (a.y + b.y) / 2, (a.z + b.z) / 2}; }

}  // namespace

void AddLoft(XMesh& mesh, const std::vector<Ring>& rings, const Vec3* frontApex, const Vec3* backApex,
             int material) {
  if (rings.empty()) return;
  for (size_t r = 0; r + 1 < rings.size(); ++r) {
    const Ring &a = rings[r], &b = rings[r + 1];
    // The middle of the band is inside it whenever both rings are convex around one axis.
    Vec3 inside = Mid(Middle(a), Middle(b));
    for (size_t i = 0; i < a.size(); ++i) {
      size_t j = (i + 1) % a.size();
      mesh.AddQuad(a[i], a[j], b[j], b[i], material, inside);
    }
  }
  auto cap = [&mesh, material, &rings](const Ring& ring, const Vec3* apex, const Ring& neighbour) {
    if (apex) {
      Vec3 inside = Mid(Middle(ring), *apex);
      for (size_t i = 0; i < ring.size(); ++i) mesh.AddFacet(*apex, ring[i], ring[(i + 1) % ring.size()], material, inside);
    } else {
      // A flat end faces away from the rest of the solid.
      Vec3 inside = rings.size() > 1 ? Middle(neighbour) : Middle(ring);
      Vec3 centre = Middle(ring);
      for (size_t i = 0; i < ring.size(); ++i) mesh.AddFacet(centre, ring[i], ring[(i + 1) % ring.size()], material, inside);
    }
  };
  cap(rings.front(), frontApex, rings.size() > 1 ? rings[1] : rings.front());
  cap(rings.back(), backApex, rings.size() > 1 ? rings[rings.size() - 2] : rings.back());
}

void AddBipyramid(XMesh& mesh, const Ring& girdle, float topHeight, float bottomHeight, int material,
                  int otherMaterial) {
  Vec3 top{0, topHeight, 0}, bottom{0, -bottomHeight, 0}, inside{0, 0, 0};
  for (size_t i = 0; i < girdle.size(); ++i) {
    const Vec3 &a = girdle[i], &b = girdle[(i + 1) % girdle.size()];
    mesh.AddFacet(top, a, b, i % 2 ? otherMaterial : material, inside);
    mesh.AddFacet(bottom, a, b, i % 2 ? material : otherMaterial, inside);
  }
}

}  // namespace assets
