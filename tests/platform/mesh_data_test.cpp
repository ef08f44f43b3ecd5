#include "platform/mesh_data.h"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>

#include "tests/support/temp_dir.h"

namespace platform {
namespace {

// Two triangles that no mirror or rotation maps onto each other, with two materials.
const char* const kAsymmetricMesh = R"(xof 0303txt 0032
Material Red { 1.0;0.0;0.0;1.0;; 10.0; 0.5;0.5;0.5;; 0.1;0.2;0.3;; TextureFilename { "skin.png"; } }
Material Blue { 0.0;0.0;1.0;0.5;; 0.0; 0.0;0.0;0.0;; 0.0;0.0;0.0;; }
Frame Root {
 FrameTransformMatrix { 1.0,0.0,0.0,0.0, 0.0,1.0,0.0,0.0, 0.0,0.0,1.0,0.0, 0.0,0.0,5.0,1.0;; }
 Mesh Shape {
  4;
  0.0;0.0;0.0;,
  1.0;0.0;0.0;,
  0.0;2.0;0.0;,
  0.0;0.0;3.0;;
  2;
  3;0,2,1;,
  3;0,3,2;;
  MeshNormals { 2; 0.0;0.0;-1.0;, -1.0;0.0;0.0;; 2; 3;0,0,0;, 3;1,1,1;; }
  MeshTextureCoords { 4; 0.0;0.0;, 1.0;0.0;, 0.0;1.0;, 0.25;0.75;; }
  MeshMaterialList { 2; 2; 0, 1;; {Red} {Blue} }
 }
}
)";

TEST(XMesh, KeepsTheFilesOwnCoordinatesWindingAndTextureCoordinates) {
  testing_support::TempDir dir;
  testing_support::WriteFile(dir.File("shape.x"), kAsymmetricMesh);
  MeshData mesh;
  ASSERT_TRUE(LoadXMesh(dir.File("shape.x"), mesh));
  ASSERT_EQ(mesh.subsets.size(), 2u);
  ASSERT_EQ(mesh.materials.size(), 2u);

  // Subset 0: the face (0, 2, 1) of the file, moved by the frame's translation (0, 0, 5).
  ASSERT_EQ(mesh.subsets[0].indexCount, 3u);
  const uint32_t* face = &mesh.indices[mesh.subsets[0].firstIndex];
  const MeshVertex& a = mesh.vertices[face[0]];
  const MeshVertex& b = mesh.vertices[face[1]];
  const MeshVertex& c = mesh.vertices[face[2]];
  EXPECT_FLOAT_EQ(a.x, 0); EXPECT_FLOAT_EQ(a.y, 0); EXPECT_FLOAT_EQ(a.z, 5);
  EXPECT_FLOAT_EQ(b.x, 0); EXPECT_FLOAT_EQ(b.y, 2); EXPECT_FLOAT_EQ(b.z, 5);
  EXPECT_FLOAT_EQ(c.x, 1); EXPECT_FLOAT_EQ(c.y, 0); EXPECT_FLOAT_EQ(c.z, 5);
  EXPECT_FLOAT_EQ(a.nz, -1);
  EXPECT_FLOAT_EQ(b.u, 0); EXPECT_FLOAT_EQ(b.v, 1);  // v as written: 0 at the top

  // Subset 1: the face (0, 3, 2); its third vertex is the one off the plane.
  ASSERT_EQ(mesh.subsets[1].indexCount, 3u);
  const MeshVertex& d = mesh.vertices[mesh.indices[mesh.subsets[1].firstIndex + 1]];
  EXPECT_FLOAT_EQ(d.z, 8);
  EXPECT_FLOAT_EQ(d.u, 0.25f);
  EXPECT_FLOAT_EQ(d.v, 0.75f);
  EXPECT_FLOAT_EQ(d.nx, -1);

  EXPECT_FLOAT_EQ(mesh.materials[0].diffuse.r, 1);
  EXPECT_FLOAT_EQ(mesh.materials[0].emissive.b, 0.3f);
  EXPECT_FLOAT_EQ(mesh.materials[0].power, 10);
  EXPECT_EQ(mesh.materials[0].textureFile, "skin.png");
  EXPECT_FLOAT_EQ(mesh.materials[1].diffuse.a, 0.5f);
  EXPECT_EQ(mesh.materials[1].textureFile, "");
}

TEST(XMesh, RefusesMissingAndBrokenFiles) {
  testing_support::TempDir dir;
  MeshData mesh;
  EXPECT_FALSE(LoadXMesh(dir.File("none.x"), mesh));
  testing_support::WriteFile(dir.File("bad.x"), "xof 0303txt 0032\nMesh { 3; garbage");
  EXPECT_FALSE(LoadXMesh(dir.File("bad.x"), mesh));
  EXPECT_TRUE(mesh.vertices.empty());
}

TEST(XMesh, RefusesFoldersAndUnreadableFiles) {
  testing_support::TempDir dir;
  testing_support::MakeFolder(dir.File("folder.x"));
  testing_support::MakeUnreadableFile(dir.File("unreadable.x"));
  for (const char* name : {"folder.x", "unreadable.x"}) {
    MeshData mesh;
    EXPECT_FALSE(LoadXMesh(dir.File(name), mesh)) << name;
    EXPECT_TRUE(mesh.vertices.empty()) << name;
  }
}

const char* const kRedMaterial = "Material Red { 1.0;0.0;0.0;1.0;; 0.0; 0.0;0.0;0.0;; 0.0;0.0;0.0;; }\n";

// A triangle whose one face and material list are given, after the file's own materials.
std::string Triangle(const std::string& face, const std::string& materialList,
                     const std::string& fileMaterials = kRedMaterial) {
  return "xof 0303txt 0032\n" + fileMaterials +
         "Mesh Shape {\n"
         " 3; 0.0;0.0;0.0;, 1.0;0.0;0.0;, 0.0;1.0;0.0;;\n"
         " 1; " + face + ";;\n"
         " MeshMaterialList { " + materialList + " }\n"
         "}\n";
}

// The whole triangle with one more member before its material list.
std::string WithMember(const std::string& member) {
  std::string file = Triangle("3;0,1,2", "1; 1; 0;; {Red}");
  return file.insert(file.rfind(" MeshMaterialList"), " " + member + "\n");
}

std::string WithNormalIndex(int index) {
  return WithMember("MeshNormals { 1; 0.0;0.0;-1.0;; 1; 3;0,0," + std::to_string(index) + ";; }");
}

// The same triangle in the binary encoding, its last face index given.
std::string BinaryTriangle(uint32_t lastIndex) {
  std::string file = "xof 0303bin 0032";
  auto word16 = [&](uint32_t v) { file += char(v & 0xFF); file += char(v >> 8); };
  auto word32 = [&](uint32_t v) { word16(v & 0xFFFF); word16(v >> 16); };
  auto name = [&](const std::string& n) { word16(1); word32(uint32_t(n.size())); file += n; };
  auto ints = [&](std::initializer_list<uint32_t> list) {
    word16(6);
    word32(uint32_t(list.size()));
    for (uint32_t v : list) word32(v);
  };
  auto floats = [&](std::initializer_list<float> list) {
    word16(7);
    word32(uint32_t(list.size()));
    for (float f : list) {
      uint32_t bits;
      std::memcpy(&bits, &f, 4);
      word32(bits);
    }
  };
  name("Mesh"); name("Shape"); word16(10);
  ints({3}); floats({0, 0, 0, 1, 0, 0, 0, 1, 0});
  ints({1, 3, 0, 1, lastIndex});
  name("MeshMaterialList"); word16(10); ints({1, 1, 0});
  name("Material"); name("Red"); word16(10); floats({1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0}); word16(11);
  word16(11);
  word16(11);
  return file;
}

// The declaration a file may carry of the Mesh template: words, not a mesh.
const char* const kMeshTemplate =
    "template Mesh { <3D82AB44-62DA-11cf-AB39-0020AF71E433> DWORD nVertices; "
    "array Vector vertices[nVertices]; DWORD nFaces; array MeshFace faces[nFaces]; [...] }\n";

TEST(XMesh, RefusesFilesTheImporterCannotReadSoundly) {
  std::string withTemplate = Triangle("3;0,1,2", "1; 1; 0;; {Red}");
  withTemplate.insert(withTemplate.find("Material"), kMeshTemplate);
  // The importer does not read the rest of the header's line: here an opening brace that
  // would make the whole file look like one object it skips.
  std::string afterHeaderLine = Triangle("3;0,1,3", "1; 1; 0;; {Red}") + "}\n";
  afterHeaderLine.insert(16, " Skipped {");
  const struct {
    std::string file;
    bool loads;
    const char* why;
  } cases[] = {
      {Triangle("3;0,1,2", "1; 1; 0;; {Red}"), true, "a whole triangle"},
      {WithNormalIndex(0), true, "a whole triangle with its normals"},
      {withTemplate, true, "a whole triangle after the Mesh template's declaration"},
      {BinaryTriangle(2), true, "a whole triangle in the binary encoding"},
      {WithMember("VertexDuplicationIndices { 3; 3; 0, 1, 2;; Extra { {Red} } }"), true,
       "an object the importer skips, with braces inside"},
      {WithMember("7"), false, "a stray number among a mesh's objects"},
      {WithMember("Unclosed { 1;"), false, "an object without its closing brace"},
      {WithNormalIndex(1), false, "a face naming a second normal of one"},
      {BinaryTriangle(3), false, "a face naming a fourth vertex of three in the binary encoding"},
      {Triangle("3;0,1,3", "1; 1; 0;; {Red}"), false, "a face naming a fourth vertex of three"},
      {Triangle("3;0,1,4000000000", "1; 1; 0;; {Red}"), false, "a vertex index beyond any count"},
      {Triangle("3;0,1,2", "1; 1; 1;; {Red}"), false, "a face drawn with a second material of one"},
      {Triangle("3;0,1,2", "1; 1; 7;;"), false, "a material index with no materials listed"},
      {Triangle("3;0,1,2", "1; 1; 0;;", ""), false, "a material list that lists no material"},
      {Triangle("3;0,1,2", "1; 1; 0;; Shade Red { }", ""), false, "a material list of another kind of object"},
      {Triangle("0", "1; 1; 0;; {Red}"), false, "a face of no corners"},
      {Triangle("3;0,1,2", "1; 1; 0, 0;; {Red}"), false, "more face materials than counted"},
      {Triangle("3;0,1,2", "1; 1; 0;, {Red}"), false, "a comma where the importer looks for a material"},
      {WithMember("MeshTextureCoords { 2000000000; 0.0;0.0;; }"),
       false, "more texture coordinates than the file holds"},
      {BinaryTriangle(2).substr(0, BinaryTriangle(2).size() - 3), false, "a binary file cut inside a token"},
      {afterHeaderLine, false, "a face naming a fourth vertex after text on the header's line"},
  };
  testing_support::TempDir dir;
  for (const auto& c : cases) {
    testing_support::WriteFile(dir.File("t.x"), c.file);
    MeshData mesh;
    bool loaded = LoadXMesh(dir.File("t.x"), mesh);
    if (c.loads) {
      EXPECT_TRUE(loaded) << "reads " << c.why;
      continue;
    }
    EXPECT_FALSE(loaded) << "refuses " << c.why;
    EXPECT_TRUE(mesh.vertices.empty() && mesh.indices.empty() && mesh.materials.empty()) << c.why;
  }
}

}  // namespace
}  // namespace platform
