// The GL device against the pixels it draws: screen quads, textures, the fixed-function light,
// and the render states, read back from the offscreen back buffer.
#include "platform/gl/gl_render_device.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/offscreen.h"

namespace platform {
namespace {

using testing_support::Hex;
using testing_support::Near;
using testing_support::OffscreenDevice;

constexpr uint32_t kBlack = 0xFF000000;

void Quad(RenderDevice& d, float x, float y, float w, float h, uint32_t color, float z = 0) {
  ScreenVertex v[4] = {{x, y, z, 1, color, 0, 0}, {x + w, y, z, 1, color, 1, 0},
                       {x, y + h, z, 1, color, 0, 1}, {x + w, y + h, z, 1, color, 1, 1}};
  d.DrawScreenPrimitive(PrimitiveType::TriangleStrip, v, 4);
}

// A square facing the camera (normal towards -z) at depth z, x and y from -1 to 1, clockwise
// as seen from the camera.
MeshData Square(float z) {
  MeshData m;
  m.vertices = {{-1, -1, z, 0, 0, -1, 0, 1}, {-1, 1, z, 0, 0, -1, 0, 0},
                {1, -1, z, 0, 0, -1, 1, 1},  {1, 1, z, 0, 0, -1, 1, 0}};
  m.indices = {0, 1, 2, 2, 1, 3};
  m.subsets = {{0, 6}};
  m.materials.resize(1);
  return m;
}

// Camera at the origin looking along +z; the square [-1, 1] fills the viewport.
void SquareCamera(RenderDevice& d) {
  d.state.view = MatrixIdentity();
  d.state.projection = MatrixOrthoLH(2, 2, 0, 10);
}

class GlDevice : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(gl.device, nullptr) << "no offscreen GL context (EGL surfaceless with Mesa)";
    device().Clear(kClearTarget | kClearDepth, kBlack, 1);
  }
  RenderDevice& device() { return *gl.device; }
  OffscreenDevice gl{32, 32};
};

TEST_F(GlDevice, ClearStaysInsideTheViewport) {
  device().state.viewport = {8, 4, 16, 8, 0, 1};
  device().Clear(kClearTarget, 0xFFFF0000, 1);
  Image image = gl.Read();
  EXPECT_EQ(Hex(image.at(8, 4)), Hex(0xFFFF0000));
  EXPECT_EQ(Hex(image.at(23, 11)), Hex(0xFFFF0000));
  EXPECT_EQ(Hex(image.at(7, 4)), Hex(kBlack));
  EXPECT_EQ(Hex(image.at(8, 12)), Hex(kBlack));
  EXPECT_EQ(Hex(image.at(24, 4)), Hex(kBlack));
}

TEST_F(GlDevice, ScreenQuadCoversExactlyItsPixelsWithItsTexels) {
  // A 4 x 4 texture of distinct texels drawn 1:1 at (3, 5): texel (i, j) on pixel (3+i, 5+j),
  // even with linear filtering (pixel centres fall on texel centres: no half-pixel offset).
  Image texels(4, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) texels.at(x, y) = 0xFF000000 | uint32_t(x * 60) << 16 | uint32_t(y * 60) << 8;
  auto texture = device().CreateTexture(texels);
  ASSERT_NE(texture, nullptr);
  device().state.texture = texture.get();
  device().state.lighting = false;
  device().state.minFilter = device().state.magFilter = TextureFilter::Linear;
  Quad(device(), 3, 5, 4, 4, 0xFFFFFFFF);
  Image image = gl.Read();
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x)
      EXPECT_EQ(Hex(image.at(3 + x, 5 + y)), Hex(texels.at(x, y))) << "pixel " << 3 + x << "," << 5 + y;
  EXPECT_EQ(Hex(image.at(2, 5)), Hex(kBlack));
  EXPECT_EQ(Hex(image.at(7, 5)), Hex(kBlack));
  EXPECT_EQ(Hex(image.at(3, 4)), Hex(kBlack));
  EXPECT_EQ(Hex(image.at(3, 9)), Hex(kBlack));
}

TEST_F(GlDevice, ScreenQuadsIgnoreTheViewportOffsetButAreClippedToIt) {
  // Screen vertices are back-buffer pixels wherever the viewport lies.
  device().state.viewport = {16, 0, 16, 32, 0, 1};
  Quad(device(), 12, 0, 8, 8, 0xFF00FF00);
  Image image = gl.Read();
  EXPECT_EQ(Hex(image.at(15, 2)), Hex(kBlack));  // left of the viewport: clipped
  EXPECT_EQ(Hex(image.at(16, 2)), Hex(0xFF00FF00));
  EXPECT_EQ(Hex(image.at(19, 2)), Hex(0xFF00FF00));
  EXPECT_EQ(Hex(image.at(20, 2)), Hex(kBlack));
}

TEST_F(GlDevice, TextureStageModulatesAndMissingTextureReadsWhite) {
  Image white(1, 1, 0xFFFFFFFF);
  Image half(1, 1, 0x80FFFFFF);
  auto texture = device().CreateTexture(half);
  device().state.colorOp = TextureOp::Modulate;
  device().state.alphaOp = TextureOp::Modulate;
  device().state.texture = texture.get();
  Quad(device(), 0, 0, 8, 8, 0xFF3080C0);
  device().state.texture = nullptr;  // untextured: the colour alone
  Quad(device(), 8, 0, 8, 8, 0xFF3080C0);
  Image image = gl.Read();
  EXPECT_TRUE(Near(image.at(2, 2), 0x803080C0, 1)) << Hex(image.at(2, 2));
  EXPECT_EQ(Hex(image.at(10, 2)), Hex(0xFF3080C0));
}

TEST_F(GlDevice, AlphaTestAndBlending) {
  Image texels(2, 1);
  texels.at(0, 0) = 0x00FFFFFF;  // fully transparent: discarded by ">= 1"
  texels.at(1, 0) = 0x80FFFFFF;  // half: blended over the red below
  auto texture = device().CreateTexture(texels);
  Quad(device(), 0, 0, 32, 32, 0xFFFF0000);
  RenderState& s = device().state;
  s.texture = texture.get();
  s.colorOp = s.alphaOp = TextureOp::Modulate;
  s.alphaTestEnabled = true;
  s.alphaFunc = CompareFunc::GreaterEqual;
  s.alphaRef = 1;
  s.blendEnabled = true;
  s.srcBlend = BlendFactor::SrcAlpha;
  s.destBlend = BlendFactor::InvSrcAlpha;
  s.depthTest = false;
  Quad(device(), 0, 0, 32, 16, 0xFF0000FF);
  Image image = gl.Read();
  EXPECT_EQ(Hex(image.at(4, 4)), Hex(0xFFFF0000));  // the transparent half left it as it was
  EXPECT_TRUE(Near(image.at(28, 4) & 0x00FFFFFF, 0x7F0080, 2)) << Hex(image.at(28, 4));
}

TEST_F(GlDevice, DepthTestKeepsTheNearerQuad) {
  Quad(device(), 0, 0, 16, 16, 0xFFFF0000, 0.25f);
  Quad(device(), 0, 0, 16, 16, 0xFF00FF00, 0.75f);  // behind: hidden
  device().state.depthWrite = false;
  Quad(device(), 8, 8, 16, 16, 0xFF0000FF, 0.1f);   // in front, but writes no depth
  Quad(device(), 8, 8, 16, 16, 0xFFFFFF00, 0.2f);   // so this one still passes where it lies
  Image image = gl.Read();
  EXPECT_EQ(Hex(image.at(2, 2)), Hex(0xFFFF0000));
  EXPECT_EQ(Hex(image.at(10, 10)), Hex(0xFFFFFF00));
}

TEST_F(GlDevice, CounterClockwiseFacesAreCulledByDefault) {
  ScreenVertex ccw[3] = {{0, 0, 0, 1, 0xFFFFFFFF, 0, 0},
                         {0, 16, 0, 1, 0xFFFFFFFF, 0, 0},
                         {16, 0, 0, 1, 0xFFFFFFFF, 0, 0}};
  device().DrawScreenPrimitive(PrimitiveType::TriangleList, ccw, 3);
  EXPECT_EQ(Hex(gl.Read().at(2, 2)), Hex(kBlack));
  device().state.cull = CullMode::None;
  device().DrawScreenPrimitive(PrimitiveType::TriangleList, ccw, 3);
  EXPECT_EQ(Hex(gl.Read().at(2, 2)), Hex(0xFFFFFFFF));
}

TEST_F(GlDevice, LitFaceHasTheFixedFunctionColour) {
  auto mesh = device().CreateMesh(Square(5));
  ASSERT_NE(mesh, nullptr);
  RenderState& s = device().state;
  SquareCamera(device());
  s.lighting = true;
  s.ambient = 0x00333333;  // 0.2 of white
  s.light.type = LightType::Directional;
  s.light.diffuse = {1, 1, 1, 1};
  s.light.direction = Normalize({0, -1, 1});  // 45 degrees onto the face: N.L = 0.7071
  s.lightEnabled = true;
  s.material.diffuse = {0.8f, 0.4f, 0.2f, 1};
  s.material.ambient = s.material.diffuse;
  s.material.emissive = {0.1f, 0, 0, 0};
  device().DrawMeshSubset(*mesh, 0);
  // emissive + ambient_m * 0.2 + diffuse_m * 0.7071
  auto channel = [](float e, float m) { return uint32_t(std::lround(std::min(1.0f, e + m * (0.2f + 0.70710678f)) * 255)); };
  uint32_t expected = 0xFF000000 | channel(0.1f, 0.8f) << 16 | channel(0, 0.4f) << 8 | channel(0, 0.2f);
  uint32_t got = gl.Read().at(16, 16);
  EXPECT_TRUE(Near(got, expected, 2)) << Hex(got) << " expected " << Hex(expected);
}

TEST_F(GlDevice, ScaledNormalsChangeTheLightUnlessNormalised) {
  auto mesh = device().CreateMesh(Square(5));
  RenderState& s = device().state;
  SquareCamera(device());
  s.light.type = LightType::Directional;
  s.light.diffuse = {1, 1, 1, 1};
  s.light.direction = {0, 0, 1};  // straight onto the face
  s.lightEnabled = true;
  s.material.diffuse = {1, 1, 1, 1};
  // Twice the size: the transformed normal is half as long, and so is the light on it.
  s.world = MatrixScaling(2, 2, 2) * MatrixTranslation(0, 0, -5);
  device().DrawMeshSubset(*mesh, 0);
  uint32_t dim = gl.Read().at(16, 16);
  EXPECT_TRUE(Near(dim, 0xFF808080, 2)) << Hex(dim);
  s.normalizeNormals = true;
  device().DrawMeshSubset(*mesh, 0);
  EXPECT_EQ(Hex(gl.Read().at(16, 16)), Hex(0xFFFFFFFF));
}

TEST_F(GlDevice, TransformedGeometryMapsOntoTheViewport) {
  auto mesh = device().CreateMesh(Square(5));
  RenderState& s = device().state;
  SquareCamera(device());
  s.lighting = false;
  s.world = MatrixScaling(0.5f, 0.5f, 1);  // the middle half of the view
  s.viewport = {16, 0, 16, 16, 0, 1};        // the top-right quarter of the back buffer
  device().DrawMeshSubset(*mesh, 0);
  Image image = gl.Read();
  EXPECT_EQ(Hex(image.at(24, 8)), Hex(0xFFFFFFFF));
  EXPECT_EQ(Hex(image.at(19, 3)), Hex(kBlack));
  EXPECT_EQ(Hex(image.at(20, 4)), Hex(0xFFFFFFFF));
  EXPECT_EQ(Hex(image.at(8, 8)), Hex(kBlack));
  EXPECT_EQ(Hex(image.at(24, 24)), Hex(kBlack));
}

TEST_F(GlDevice, BackBufferCanBeResized) {
  ASSERT_TRUE(device().ResizeBackBuffer(48, 20));
  device().Clear(kClearTarget, 0xFF102030, 1);
  Image image = gl.Read();
  EXPECT_EQ(image.width, 48);
  EXPECT_EQ(image.height, 20);
  EXPECT_EQ(Hex(image.at(47, 19)), Hex(0xFF102030));
  EXPECT_FALSE(device().ResizeBackBuffer(0, 10));
}

}  // namespace
}  // namespace platform
