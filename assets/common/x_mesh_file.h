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

struct TexCoord {
  float u = 0, v = 0;  // v = 0 at the top of the picture
};

class XMesh {
 public:
  // Returns the material's index. The texture file is relative to the mesh file's folder; empty
  // for none.
  int AddMaterial(const XMaterial& material, const std::string& textureFile = "");
  // A point of the texture of a mesh's one material, to colour whole facets with: once a mesh
  // has texels, the index a facet is added with names a texel, and every facet is written with
  // material 0 and that point at each corner. One material lets the game draw a run of the mesh
  // in one instanced call. Returns the texel's index.
  int AddTexel(TexCoord point);
  // One triangle with its own face normal, turned so that it faces away from `inside`: every
  // piece is built around a point that sees all of its surface, so no winding is written by hand.
  void AddFacet(Vec3 a, Vec3 b, Vec3 c, int material, Vec3 inside);
  // A quad as two facets (a, b, c) and (a, c, d), its corners in order around it.
  void AddQuad(Vec3 a, Vec3 b, Vec3 c, Vec3 d, int material, Vec3 inside);

  int triangleCount() const { return int(faces_.size()); }
  // The whole file: header, one Mesh with MeshNormals, MeshTextureCoords when it has texels,
  // and MeshMaterialList.
  std::string Text(const std::string& name) const;

 private:
  struct Face {
    Vec3 corner[3];
    Vec3 normal;
    int material;
  };
  std::vector<XMaterial> materials_;
  std::vector<std::string> textureFiles_;  // one per material
  std::vector<TexCoord> texels_;
  std::vector<Face> faces_;
};

// Writes the text; false when the file cannot be written.
bool WriteXMesh(const std::string& path, const XMesh& mesh, const std::string& name);

}  // namespace assets
