#pragma once
#include <string_view>

namespace platform {

// Whether a .x file (text or binary) is whole as the mesh importer will read it: every object
// well formed with balanced braces; the members of the objects that make a mesh (frames,
// meshes, normals, texture coordinates, vertex colours, material lists, materials, skin
// weights, animation keys) present in the numbers their counts give; every face naming only
// vertices or normals its object lists, and every face's material one its list lists. The
// importer checks none of this: it takes a missing vertex for one at the origin, reads a
// missing normal from beyond its array, reserves memory for counts the file does not hold and
// fails outright on a material list without materials. Names and numbers must be printable
// ASCII. Compressed files cannot be looked into and pass.
bool XFileIsSound(std::string_view bytes);

}  // namespace platform
