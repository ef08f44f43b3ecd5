#include "assets/common/x_mesh_file.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <utility>

namespace assets {
namespace {

Vec3 Minus(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec3 Cross(Vec3 a, Vec3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
float Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

std::string Number(float v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6f", double(v));
  return text;
}

}  // namespace

int XMesh::AddMaterial(const XMaterial& material, const std::string& textureFile) {
  materials_.push_back(material);
  textureFiles_.push_back(textureFile);
  return int(materials_.size()) - 1;
}

int XMesh::AddTexel(TexCoord point) {
  texels_.push_back(point);
  return int(texels_.size()) - 1;
}

void XMesh::AddFacet(Vec3 a, Vec3 b, Vec3 c, int material, Vec3 inside) {
  // Left-handed with clockwise fronts: (b - a) x (c - a) points to the side that sees a, b, c
  // clockwise.
  Vec3 n = Cross(Minus(b, a), Minus(c, a));
  float length = std::sqrt(Dot(n, n));
  if (length < 1e-9f) return;  // a degenerate facet shows nothing
  Vec3 centre{(a.x + b.x + c.x) / 3, (a.y + b.y + c.y) / 3, (a.z + b.z + c.z) / 3};
  if (Dot(n, Minus(centre, inside)) < 0) {
    std::swap(b, c);
    n = {-n.x, -n.y, -n.z};
  }
  faces_.push_back({{a, b, c}, {n.x / length, n.y / length, n.z / length}, material});
}

void XMesh::AddQuad(Vec3 a, Vec3 b, Vec3 c, Vec3 d, int material, Vec3 inside) {
  AddFacet(a, b, c, material, inside);
  AddFacet(a, c, d, material, inside);
}

std::string XMesh::Text(const std::string& name) const {
  std::string out = "xof 0303txt 0032\n\nMesh " + name + " {\n";
  auto vector = [](Vec3 v) { return Number(v.x) + ";" + Number(v.y) + ";" + Number(v.z) + ";"; };
  auto listEnd = [](size_t i, size_t count) { return i + 1 < count ? ",\n" : ";\n"; };
  // Every facet has corners of its own, so its normal shades it flat.
  size_t count = faces_.size();
  out += " " + std::to_string(count * 3) + ";\n";
  for (size_t f = 0; f < count; ++f)
    for (int k = 0; k < 3; ++k) out += " " + vector(faces_[f].corner[k]) + listEnd(f * 3 + k, count * 3);
  out += " " + std::to_string(count) + ";\n";
  for (size_t f = 0; f < count; ++f)
    out += " 3;" + std::to_string(f * 3) + "," + std::to_string(f * 3 + 1) + "," + std::to_string(f * 3 + 2) + ";" +
           listEnd(f, count);
  out += " MeshNormals {\n  " + std::to_string(count) + ";\n";
  for (size_t f = 0; f < count; ++f) out += "  " + vector(faces_[f].normal) + listEnd(f, count);
  out += "  " + std::to_string(count) + ";\n";
  for (size_t f = 0; f < count; ++f)
    out += "  3;" + std::to_string(f) + "," + std::to_string(f) + "," + std::to_string(f) + ";" + listEnd(f, count);
  out += " }\n";
  const bool textured = !texels_.empty();
  if (textured) {
    // One point per corner, in the order of the vertices: a facet is one flat texel.
    out += " MeshTextureCoords {\n  " + std::to_string(count * 3) + ";\n";
    for (size_t f = 0; f < count; ++f) {
      size_t texel = size_t(faces_[f].material);
      TexCoord t = texel < texels_.size() ? texels_[texel] : TexCoord{};
      for (int k = 0; k < 3; ++k) out += "  " + Number(t.u) + ";" + Number(t.v) + ";" + listEnd(f * 3 + k, count * 3);
    }
    out += " }\n";
  }
  out += " MeshMaterialList {\n  " + std::to_string(materials_.size()) + ";\n  " + std::to_string(count) + ";\n";
  for (size_t f = 0; f < count; ++f) out += "  " + std::to_string(textured ? 0 : faces_[f].material) + listEnd(f, count);
  for (size_t i = 0; i < materials_.size(); ++i) {
    const XMaterial& m = materials_[i];
    out += "  Material {\n   " + Number(m.r) + ";" + Number(m.g) + ";" + Number(m.b) + ";" + Number(m.a) + ";;\n";
    out += "   " + Number(m.power) + ";\n";
    out += "   " + Number(m.specularR) + ";" + Number(m.specularG) + ";" + Number(m.specularB) + ";;\n";
    out += "   " + Number(m.emissiveR) + ";" + Number(m.emissiveG) + ";" + Number(m.emissiveB) + ";;\n";
    if (!textureFiles_[i].empty()) out += "   TextureFilename {\n    \"" + textureFiles_[i] + "\";\n   }\n";
    out += "  }\n";
  }
  out += " }\n}\n";
  return out;
}

bool WriteXMesh(const std::string& path, const XMesh& mesh, const std::string& name) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << mesh.Text(name);
  file.close();
  return bool(file);
}

}  // namespace assets
