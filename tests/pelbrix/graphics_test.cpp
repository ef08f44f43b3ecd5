// The shooter's graphics layer: textures, quads, meshes and their world matrices, on the
// offscreen GL device.
#include <gtest/gtest.h>

#include "pelbrix/graphics_device.h"
#include "pelbrix/mesh.h"
#include "pelbrix/texture.h"
#include "platform/game_path.h"
#include "tests/support/offscreen.h"
#include "tests/support/temp_dir.h"

namespace {

using platform::Matrix;
using platform::Vector3;
using testing_support::Hex;
using testing_support::Near;
using testing_support::OffscreenDevice;
using testing_support::TempDir;

constexpr float kQuarter = 0.25f;

// The game path of a file in a test folder.
std::string GamePathOf(const std::string& hostPath) { return *platform::GamePath(hostPath); }

void ExpectPoint(const Vector3& p, float x, float y, float z) {
  EXPECT_NEAR(p.x, x, 1e-5f);
  EXPECT_NEAR(p.y, y, 1e-5f);
  EXPECT_NEAR(p.z, z, 1e-5f);
}

TEST(MeshWorld, OrderOneWithAQuarterTurnsAboutX) {
  Matrix m = MeshWorldMatrix(0, 0, 0, 1, 1, 1, kQuarter, 0, 0, 1);
  ExpectPoint(platform::TransformCoord({0, 1, 0}, m), 0, 0, 1);
  ExpectPoint(platform::TransformCoord({1, 0, 0}, m), 1, 0, 0);
}

TEST(MeshWorld, ScaleThenRotationThenTranslation) {
  // (1, 0, 0) scaled by 2 is (2, 0, 0); a quarter about Z takes it to (0, 2, 0); then moved.
  for (int order : {3, 5, 7, 8, 9, 10, 11, 12, 13, 14, 15}) {
    Matrix m = MeshWorldMatrix(10, 20, 30, 2, 3, 4, 0, 0, kQuarter, order);
    ExpectPoint(platform::TransformCoord({1, 0, 0}, m), 10, 22, 30);
  }
}

TEST(MeshWorld, EachOrderCodeAppliesItsRotationsFirstToLast) {
  const float rx = 0.1f, ry = 0.2f, rz = 0.3f;
  Matrix X = platform::MatrixRotationX(rx * platform::kTwoPi);
  Matrix Y = platform::MatrixRotationY(ry * platform::kTwoPi);
  Matrix Z = platform::MatrixRotationZ(rz * platform::kTwoPi);
  Matrix I = platform::MatrixIdentity();
  const Matrix expected[16] = {I,     X,     Y,     Z,         X * Y,     X * Z,     Y * X,     Y * Z,
                               Z * X, Z * Y, X * Y * Z, X * Z * Y, Y * X * Z, Y * Z * X, Z * X * Y, Z * Y * X};
  for (int order = 0; order < 18; ++order) {
    Matrix got = MeshWorldMatrix(0, 0, 0, 1, 1, 1, rx, ry, rz, order);
    const Matrix& want = expected[order < 16 ? order : 0];  // codes above 15 rotate nothing
    for (int i = 0; i < 4; ++i)
      for (int j = 0; j < 4; ++j) EXPECT_NEAR(got.m[i][j], want.m[i][j], 1e-5f) << "order " << order;
  }
}

class ShooterGraphics : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(gl.device, nullptr);
    gl.device->Clear(platform::kClearTarget | platform::kClearDepth, 0xFF000000, 1);
    gl.device->state.lighting = false;
    gl.device->state.cull = platform::CullMode::None;
  }
  OffscreenDevice gl{64, 64};
  TempDir dir;
};

TEST_F(ShooterGraphics, TextureKeepsImageSizeApartFromItsPowerOfTwoSize) {
  platform::Image image(20, 10, 0xFF00FF00);
  image.at(0, 0) = 0xFFFF0000;
  image.at(19, 9) = 0xFF0000FF;
  ASSERT_TRUE(platform::SavePng(dir.File("pic.png"), image));
  Texture texture(gl.device.get(), GamePathOf(dir.File("pic.png")));
  ASSERT_NE(texture.texture, nullptr);
  EXPECT_EQ(texture.imageWidth, 20);
  EXPECT_EQ(texture.imageHeight, 10);
  EXPECT_EQ(texture.textureWidth, 32);
  EXPECT_EQ(texture.textureHeight, 16);
  // The whole texture at the image's size shows the whole image.
  texture.Draw(4, 8, 20, 10, 0, 0, 1, 1, 0xFFFFFFFF);
  platform::Image out = gl.Read();
  EXPECT_EQ(Hex(out.at(4, 8)), Hex(0xFFFF0000));
  EXPECT_EQ(Hex(out.at(23, 17)), Hex(0xFF0000FF));
  EXPECT_EQ(Hex(out.at(12, 12)), Hex(0xFF00FF00));
  EXPECT_EQ(Hex(out.at(24, 12)), Hex(0xFF000000));
}

TEST_F(ShooterGraphics, MissingTextureDrawsTheBareColour) {
  Texture texture(gl.device.get(), GamePathOf(dir.File("none.png")));
  EXPECT_EQ(texture.texture, nullptr);
  EXPECT_EQ(texture.imageWidth + texture.imageHeight + texture.textureWidth + texture.textureHeight, 0);
  texture.Draw(0, 0, 16, 32, 0, 0, 0.0625f, 0.125f, 0xFF804020);
  platform::Image out = gl.Read();
  EXPECT_EQ(Hex(out.at(15, 31)), Hex(0xFF804020));
  EXPECT_EQ(Hex(out.at(16, 31)), Hex(0xFF000000));
}

TEST_F(ShooterGraphics, DrawQuadUsesThePartOfTheTextureItIsGiven) {
  platform::Image image(4, 4, 0xFF000000);
  image.at(2, 1) = 0xFFFFFFFF;  // one white texel in the cell (2..3, 0..1)
  ASSERT_TRUE(platform::SavePng(dir.File("cells.png"), image));
  Texture texture(gl.device.get(), GamePathOf(dir.File("cells.png")));
  texture.Draw(10, 10, 8, 8, 0.5f, 0, 0.5f, 0.5f, 0xFFFFFFFF);  // the top-right cell, 4x enlarged
  platform::Image out = gl.Read();
  EXPECT_EQ(Hex(out.at(10, 14)), Hex(0xFFFFFFFF));
  EXPECT_EQ(Hex(out.at(13, 17)), Hex(0xFFFFFFFF));
  EXPECT_EQ(Hex(out.at(14, 14)), Hex(0xFF000000));
  EXPECT_EQ(Hex(out.at(10, 13)), Hex(0xFF000000));
}

// A square facing the camera, 2 x 2 around the origin, with an emissive green material of
// full opacity and a texture named by the file.
const char* const kGreenSquare = R"(xof 0303txt 0032
Material Glow { 0.0;0.0;0.0;1.0;; 0.0; 0.0;0.0;0.0;; 0.0;1.0;0.0;; TextureFilename { "skin.png"; } }
Mesh Square {
 4; -1.0;-1.0;0.0;, -1.0;1.0;0.0;, 1.0;-1.0;0.0;, 1.0;1.0;0.0;;
 2; 3;0,1,2;, 3;2,1,3;;
 MeshNormals { 1; 0.0;0.0;-1.0;; 2; 3;0,0,0;, 3;0,0,0;; }
 MeshTextureCoords { 4; 0.0;1.0;, 0.0;0.0;, 1.0;1.0;, 1.0;0.0;; }
 MeshMaterialList { 1; 2; 0, 0;; {Glow} }
}
)";

TEST_F(ShooterGraphics, MeshBlendsItsMaterialAtTheGivenAlpha) {
  testing_support::WriteFile(dir.File("square.x"), kGreenSquare);
  ASSERT_TRUE(platform::SavePng(dir.File("skin.png"), platform::Image(2, 2, 0xFFFFFFFF)));
  Mesh mesh(gl.device.get(), GamePathOf(dir.File("square.x")));
  ASSERT_EQ(mesh.materialCount, 1u);
  ASSERT_NE(mesh.textures[0], nullptr) << "the texture comes from the mesh's own folder";
  EXPECT_EQ(mesh.textures[0]->imageWidth, 2);
  EXPECT_FLOAT_EQ(mesh.materials[0].ambient.a, mesh.materials[0].diffuse.a);

  platform::RenderState& s = gl.device->state;
  s.lighting = true;
  s.depthTest = false;
  s.alphaOp = platform::TextureOp::Modulate;  // as the game sets its texture stage
  s.view = platform::MatrixIdentity();
  s.projection = platform::MatrixOrthoLH(4, 4, -10, 10);
  s.viewport = {0, 0, 32, 32, 0, 1};
  gl.device->Clear(platform::kClearTarget, 0xFFFF0000, 1);
  mesh.Draw(0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 0.5f, false);  // half green over red
  s.viewport = {32, 0, 32, 32, 0, 1};
  gl.device->Clear(platform::kClearTarget, 0xFFFF0000, 1);
  mesh.Draw(0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 0.5f, true);   // green added to red
  platform::Image out = gl.Read();
  EXPECT_TRUE(Near(out.at(16, 16) & 0xFFFFFF, 0x808000, 2)) << Hex(out.at(16, 16));
  EXPECT_TRUE(Near(out.at(48, 16) & 0xFFFFFF, 0xFF8000, 2)) << Hex(out.at(48, 16));
  EXPECT_EQ(Hex(out.at(2, 2)), Hex(0xFFFF0000)) << "outside the square";
}

TEST_F(ShooterGraphics, UnreadableMeshDrawsNothing) {
  Mesh mesh(gl.device.get(), GamePathOf(dir.File("none.x")));
  EXPECT_EQ(mesh.materialCount, 0u);
  mesh.Draw(0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 1, false);
  EXPECT_EQ(Hex(gl.Read().at(32, 32)), Hex(0xFF000000));
}

TEST(SceneLight, IsWhiteAndPointsAlongItsNormalisedDirection) {
  platform::HeadlessHost host;
  auto window = host.CreateWindow({});
  GraphicsDevice device(*window);
  ASSERT_NE(device.device, nullptr);
  device.SetSceneLight(0, 3, -1, -1, -1, 1000);
  const platform::RenderState& s = device.device->state;
  EXPECT_TRUE(s.lighting);
  EXPECT_TRUE(s.lightEnabled);
  EXPECT_EQ(s.light.type, platform::LightType::Directional);
  EXPECT_FLOAT_EQ(s.light.direction.x, -0.57735026f);
  EXPECT_FLOAT_EQ(s.light.diffuse.g, 1);
  EXPECT_FLOAT_EQ(s.light.ambient.r, 0);
  EXPECT_FLOAT_EQ(s.light.range, 1000);
}

}  // namespace
