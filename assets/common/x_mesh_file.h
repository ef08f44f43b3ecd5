#pragma once
#include <string>
#include <vector>

// Flat-shaded meshes built from facets and written as DirectX .x text files. Coordinates are
// the file's own: left-handed, and a facet is seen from the side its vertices run clockwise
// (Direct3D's front face), which is also the side its normal points to.
namespace assets {

struct Vec3 {
  float x = 0, y = 0, z = 0;
};

struct XMaterial {
  float r = 1, g = 1, b = 1, a = 1;  // diffuse; the game takes its ambient from it
  float power = 0;
  float specularR = 0, specularG = 0, specularB = 0;
  float emissiveR = 0, emissiveG = 0, emissiveB = 0;
};

class XMesh {
 public:
  // Returns the material's index.
  int AddMaterial(const XMaterial& material);
  // One triangle with its own face normal, turned so that it faces away from `inside`: every
  // piece is built around a point that sees all of its surface, so no winding is written by hand.
  void AddFacet(Vec3 a, Vec3 b, Vec3 c, int material, Vec3 inside);
  // A quad as two facets (a, b, c) and (a, c, d), its corners in order around it.
  void AddQuad(Vec3 a, Vec3 b, Vec3 c, Vec3 d, int material, Vec3 inside);

  int triangleCount() const { return int(faces_.size()); }
  // The whole file: header, one Mesh with MeshNormals and MeshMaterialList.
  std::string Text(const std::string& name) const;

 private:
  struct Face {
    Vec3 corner[3];
    Vec3 normal;
    int material;
  };
  std::vector<XMaterial> materials_;
  std::vector<Face> faces_;
};

// Writes the text; false when the file cannot be written.
bool WriteXMesh(const std::string& path, const XMesh& mesh, const std::string& name);

}  // namespace assets
