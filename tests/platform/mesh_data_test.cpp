#include "platform/mesh_data.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace platform
