#pragma once
#include <string_view>

namespace platform {

// Whether every face of every Mesh, MeshNormals and MeshMaterialList object of a .x file (text
// or binary) names only vertices, normals or materials that its object lists. The mesh importer
// does not check this: it takes a missing vertex for one at the origin, reads a missing normal
// from beyond its array and fails outright on a material list without materials, so such a
// file must be refused before it is imported. False also for an object whose
// counts or faces are cut short or are not numbers. Compressed files cannot be looked into and
// pass. Meshes nested in templates' declarations are not objects and are skipped.
bool XFacesNameListedElements(std::string_view bytes);

}  // namespace platform
