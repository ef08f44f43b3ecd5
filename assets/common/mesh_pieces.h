#pragma once
#include <vector>

#include "assets/common/x_mesh_file.h"

// Closed solids made of facets, each built around its own middle so that every facet faces out.
namespace assets {

using Ring = std::vector<Vec3>;  // a convex cross-section, its points in order around it

// A solid through the rings in order: bands of quads between neighbours, closed at each end by
// an apex point when one is given, else by the end ring's own face.
void AddLoft(XMesh& mesh, const std::vector<Ring>& rings, const Vec3* frontApex, const Vec3* backApex,
             int material);
// Every facet of a double pyramid: a ring of points around (0, 0, 0) in the plane y = 0 joined
// to an apex above at `topHeight` and one below at -`bottomHeight`; faces alternate between the
// two materials so the facets read apart.
void AddBipyramid(XMesh& mesh, const Ring& girdle, float topHeight, float bottomHeight, int material,
                  int otherMaterial);

}  // namespace assets
