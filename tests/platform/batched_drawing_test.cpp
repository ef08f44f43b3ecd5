// Drawing many objects in one call gives exactly the pixels of drawing them one by one, in
// order; and the states the device only sends when they change still reach every draw.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "platform/headless/recording_render_device.h"
#include "tests/support/offscreen.h"

namespace platform {
namespace {

using testing_support::Hex;
using testing_support::OffscreenDevice;

constexpr uint32_t kBlack = 0xFF000000;

// The index of the first pixel where two pictures differ, or -1.
int FirstDifference(const Image& a, const Image& b) {
  if (a.width != b.width || a.height != b.height) return 0;
  for (size_t i = 0; i < a.pixels.size(); ++i)
    if (a.pixels[i] != b.pixels[i]) return int(i);
  return -1;
}

std::string Where(const Image& a, const Image& b, int index) {
  if (index < 0) return "identical";
  return "first difference at (" + std::to_string(index % a.width) + ", " +
         std::to_string(index / a.width) + "): " + Hex(a.pixels[size_t(index)]) + " one by one, " +
         Hex(b.pixels[size_t(index)]) + " batched";
}

int CountDifferent(const Image& a, const Image& b) {
  int n = 0;
  for (size_t i = 0; i < a.pixels.size(); ++i) n += a.pixels[i] != b.pixels[i];
  return n;
}

// A four-sided pyramid with its tip towards the camera (-z), lit from the side, so that its
// faces have different shades, and a texture that varies across it.
MeshData Pyramid() {
  MeshData m;
  auto vertex = [](float x, float y, float z, float u, float v) {
    float length = std::sqrt(x * x + y * y + 1);
    return MeshVertex{x, y, z, x / length, y / length, -1 / length, u, v};
  };
  m.vertices = {vertex(0, 0, -1, 0.5f, 0.5f), vertex(-1, -1, 0, 0, 1), vertex(-1, 1, 0, 0, 0),
                vertex(1, 1, 0, 1, 0), vertex(1, -1, 0, 1, 1)};
  m.indices = {0, 1, 2, 0, 2, 3, 0, 3, 4, 0, 4, 1};
  m.subsets = {{0, 12}};
  m.materials.resize(1);
  return m;
}

Image Checker() {
  Image image(8, 8);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) image.at(x, y) = (x + y) % 2 ? 0xC0FFFFFF : 0xFF80C0FF;
  return image;
}

class BatchedDrawing : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NE(gl.device, nullptr) << "no offscreen GL context"; }
  RenderDevice& device() { return *gl.device; }
  OffscreenDevice gl{96, 96};
};

// Overlapping, turning, scaled pyramids, blended at different opacities: the order matters.
std::vector<MeshInstance> Crowd(int count) {
  std::vector<MeshInstance> crowd;
  for (int i = 0; i < count; ++i) {
    MeshInstance instance;
    float turn = float(i) * 0.37f;
    instance.world = MatrixScaling(0.2f + 0.05f * float(i % 4), 0.25f, 0.25f) * MatrixRotationZ(turn) *
                     MatrixRotationX(turn * 0.5f) *
                     MatrixTranslation(-0.8f + 0.13f * float(i % 13), -0.7f + 0.11f * float(i / 13), 5);
    instance.colorScale = {1, 0.5f + 0.03f * float(i % 16), 1, 0.35f + 0.04f * float(i % 16)};
    instance.colorOffset = {0.25f * float(i % 2), 0, 0.125f, 0};
    crowd.push_back(instance);
  }
  return crowd;
}

void LitBlendedScene(RenderState& s, const DeviceTexture* texture) {
  s.view = MatrixIdentity();
  s.projection = MatrixOrthoLH(2, 2, 0, 10);
  s.lighting = true;
  s.ambient = 0x00303030;
  s.light.type = LightType::Directional;
  s.light.diffuse = {1, 1, 1, 1};
  s.light.ambient = {0.1f, 0.1f, 0.1f, 1};
  s.light.direction = Normalize({1, -1, 1});
  s.lightEnabled = true;
  s.material.diffuse = {0.9f, 0.7f, 0.5f, 1};
  s.material.ambient = s.material.diffuse;
  s.material.emissive = {0.1f, 0.05f, 0, 0};
  s.blendEnabled = true;
  s.srcBlend = BlendFactor::SrcAlpha;
  s.destBlend = BlendFactor::InvSrcAlpha;
  s.texture = texture;
  s.colorOp = s.alphaOp = TextureOp::Modulate;
  s.minFilter = s.magFilter = TextureFilter::Linear;
}

Material Scaled(const Material& m, const MeshInstance& i) {
  auto scale = [](const ColorValue& c, const ColorValue& s) {
    return ColorValue{c.r * s.r, c.g * s.g, c.b * s.b, c.a * s.a};
  };
  Material out = m;
  out.diffuse = scale(m.diffuse, i.colorScale);
  out.ambient = scale(m.ambient, i.colorScale);
  out.specular = scale(m.specular, i.colorScale);
  ColorValue e = scale(m.emissive, i.colorScale);
  out.emissive = {e.r + i.colorOffset.r, e.g + i.colorOffset.g, e.b + i.colorOffset.b,
                  e.a + i.colorOffset.a};
  return out;
}

// Draws the crowd one by one and instanced; returns both pictures.
void DrawBothWays(RenderDevice& d, OffscreenDevice& gl, const DeviceMesh& mesh,
                  const std::vector<MeshInstance>& crowd, Image& oneByOne, Image& batched) {
  RenderState before = d.state;
  d.Clear(kClearTarget | kClearDepth, kBlack, 1);
  for (const MeshInstance& instance : crowd) {
    d.state.world = instance.world;
    d.state.material = Scaled(before.material, instance);
    d.DrawMeshSubset(mesh, 0);
  }
  oneByOne = gl.Read();
  d.state = before;
  d.Clear(kClearTarget | kClearDepth, kBlack, 1);
  d.DrawMeshSubsetInstances(mesh, 0, crowd.data(), int(crowd.size()));
  batched = gl.Read();
}

TEST_F(BatchedDrawing, InstancedMeshesGiveThePixelsOfTheSameMeshesDrawnOneByOne) {
  auto mesh = device().CreateMesh(Pyramid());
  auto texture = device().CreateTexture(Checker());
  LitBlendedScene(device().state, texture.get());
  std::vector<MeshInstance> crowd = Crowd(60);
  Image oneByOne, batched;
  DrawBothWays(device(), gl, *mesh, crowd, oneByOne, batched);
  ASSERT_GT(CountDifferent(oneByOne, Image(96, 96, kBlack)), 1000) << "the crowd covers the picture";
  int at = FirstDifference(oneByOne, batched);
  EXPECT_EQ(at, -1) << Where(oneByOne, batched, at) << "; " << CountDifferent(oneByOne, batched)
                    << " pixels differ";
}

TEST_F(BatchedDrawing, InstancedMeshesWithSpecularHighlightsToo) {
  auto mesh = device().CreateMesh(Pyramid());
  LitBlendedScene(device().state, nullptr);
  device().state.specularEnabled = true;
  device().state.light.specular = {1, 1, 1, 1};
  device().state.material.specular = {0.8f, 0.8f, 0.8f, 1};
  device().state.material.power = 8;
  Image oneByOne, batched;
  DrawBothWays(device(), gl, *mesh, Crowd(30), oneByOne, batched);
  int at = FirstDifference(oneByOne, batched);
  EXPECT_EQ(at, -1) << Where(oneByOne, batched, at);
}

TEST_F(BatchedDrawing, InstancedDrawLeavesTheStateAndTheNextDrawAsTheyWere) {
  auto mesh = device().CreateMesh(Pyramid());
  LitBlendedScene(device().state, nullptr);
  device().state.world = MatrixTranslation(0.5f, 0.5f, 5);
  device().Clear(kClearTarget | kClearDepth, kBlack, 1);
  device().DrawMeshSubset(*mesh, 0);
  Image alone = gl.Read();
  std::vector<MeshInstance> crowd = Crowd(5);
  device().Clear(kClearTarget | kClearDepth, kBlack, 1);
  device().state.viewport = {0, 0, 0, 0, 0, 1};  // the crowd lands nowhere
  device().DrawMeshSubsetInstances(*mesh, 0, crowd.data(), int(crowd.size()));
  device().state.viewport = {0, 0, 96, 96, 0, 1};
  device().DrawMeshSubset(*mesh, 0);
  int at = FirstDifference(alone, gl.Read());
  EXPECT_EQ(at, -1) << "a draw after an instanced one uses its own world matrix: " << Where(alone, gl.Read(), at);
}

// Sprites as the side-bar shooter draws them: squares at z = 0 before a perspective camera with
// +y down, alpha-tested and blended, depth-tested with the later one winning on equal depth.
std::vector<WorldQuad> Sprites(const std::vector<const DeviceTexture*>& textures) {
  std::vector<WorldQuad> quads;
  for (size_t i = 0; i < textures.size(); ++i) {
    float x = -60 + 9.5f * float(i % 13), y = -50 + 13.0f * float(i / 13), half = 4 + float(i % 5) * 2;
    uint32_t color = 0xFFFFFFFF - uint32_t(i % 7) * 0x11001100;
    WorldQuad q;
    q.texture = textures[i];
    q.corners[0] = {x - half, y - half, 0, color, 0, 0};
    q.corners[1] = {x + half, y - half, 0, color, 1, 0};
    q.corners[2] = {x - half, y + half, 0, color, 0, 1};
    q.corners[3] = {x + half, y + half, 0, color, 1, 1};
    quads.push_back(q);
  }
  return quads;
}

void SpriteScene(RenderState& s) {
  s.view = MatrixLookAtLH({0, 0, 300}, {0, 0, 0}, {0, -1, 0});
  s.projection = MatrixPerspectiveFovLH(0.7853982f, 1, 10, 600);
  s.lighting = false;
  s.cull = CullMode::None;
  s.blendEnabled = true;
  s.srcBlend = BlendFactor::SrcAlpha;
  s.destBlend = BlendFactor::InvSrcAlpha;
  s.alphaTestEnabled = true;
  s.alphaFunc = CompareFunc::NotEqual;
  s.alphaRef = 0;
  s.colorOp = TextureOp::SelectTexture;
  s.alphaOp = TextureOp::SelectTexture;
  s.minFilter = s.magFilter = TextureFilter::Linear;
}

TEST_F(BatchedDrawing, WorldQuadsGiveThePixelsOfTheSameQuadsDrawnOneByOne) {
  Image ring(16, 16, 0);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      float d = std::hypot(x - 7.5f, y - 7.5f);
      ring.at(x, y) = d < 7.5f && d > 3 ? 0xB0FF8020 : 0;
    }
  auto a = device().CreateTexture(ring), b = device().CreateTexture(Checker()),
       c = device().CreateTexture(Image(4, 4, 0x8020FF20));
  // Runs of one texture and single quads between them, and quads without a texture.
  std::vector<const DeviceTexture*> order;
  for (int i = 0; i < 130; ++i) {
    const DeviceTexture* pick[] = {a.get(), a.get(), a.get(), b.get(), c.get(), c.get(), nullptr, a.get()};
    order.push_back(pick[(i / 3) % 8]);
  }
  std::vector<WorldQuad> quads = Sprites(order);
  SpriteScene(device().state);
  RenderState before = device().state;

  device().Clear(kClearTarget | kClearDepth, 0xFF7F0023, 1);
  for (const WorldQuad& q : quads) {
    device().state.texture = q.texture;
    device().DrawWorldPrimitive(PrimitiveType::TriangleStrip, q.corners, 4);
  }
  Image oneByOne = gl.Read();
  device().state = before;
  device().Clear(kClearTarget | kClearDepth, 0xFF7F0023, 1);
  device().DrawWorldQuads(quads.data(), int(quads.size()));
  Image batched = gl.Read();
  ASSERT_GT(CountDifferent(oneByOne, Image(96, 96, 0xFF7F0023)), 1000) << "the sprites cover the picture";
  int at = FirstDifference(oneByOne, batched);
  EXPECT_EQ(at, -1) << Where(oneByOne, batched, at);
  EXPECT_TRUE(device().state.texture == nullptr) << "the game's state keeps its own texture";
}

TEST(WorldQuadRuns, QuadsWithTheSameTextureInARowGoOutInOneDrawCall) {
  HeadlessHost host;
  auto window = host.CreateWindow({});
  auto device = window->CreateRenderDevice({64, 64, true, true});
  auto& recorder = static_cast<RecordingRenderDevice&>(*device);
  auto a = device->CreateTexture(Image(2, 2)), b = device->CreateTexture(Image(2, 2));
  std::vector<WorldQuad> quads = Sprites({a.get(), a.get(), b.get(), a.get(), a.get(), a.get(), nullptr});
  device->DrawWorldQuads(quads.data(), int(quads.size()));
  EXPECT_EQ(recorder.counts().worldQuads, 7);
  EXPECT_EQ(recorder.counts().worldQuadRuns, 4) << "a a | b | a a a | none";
  EXPECT_EQ(recorder.counts().drawCalls(), 4);
}

TEST_F(BatchedDrawing, ScreenQuadsBeyondOneStreamBufferAllArrive) {
  // One-pixel quads over the whole back buffer, three times in different colours: more
  // vertices than the stream buffer holds, so it is started over during the frame.
  device().state.lighting = false;
  device().Clear(kClearTarget, kBlack, 1);
  for (uint32_t pass = 0; pass < 3; ++pass)
    for (int y = 0; y < 96; ++y)
      for (int x = 0; x < 96; ++x) {
        uint32_t color = 0xFF000000 | pass << 22 | uint32_t(x) << 9 | uint32_t(y) << 1;
        float fx = float(x), fy = float(y);
        ScreenVertex v[4] = {{fx, fy, 0, 1, color, 0, 0}, {fx + 1, fy, 0, 1, color, 0, 0},
                             {fx, fy + 1, 0, 1, color, 0, 0}, {fx + 1, fy + 1, 0, 1, color, 0, 0}};
        device().DrawScreenPrimitive(PrimitiveType::TriangleStrip, v, 4);
      }
  Image image = gl.Read();
  int wrong = 0;
  for (int y = 0; y < 96; ++y)
    for (int x = 0; x < 96; ++x)
      wrong += image.at(x, y) != (0xFF000000 | 2u << 22 | uint32_t(x) << 9 | uint32_t(y) << 1);
  EXPECT_EQ(wrong, 0) << "pixels that do not show their last quad";
}

TEST_F(BatchedDrawing, AClearDoesNotLeaveDepthWritesOnForTheNextDraw) {
  // A clear writes depth whatever the state; the draws after it must still not write it.
  RenderState& s = device().state;
  s.lighting = false;
  s.depthWrite = false;
  auto quad = [&](float z, uint32_t color) {
    ScreenVertex v[4] = {{10, 10, z, 1, color, 0, 0}, {40, 10, z, 1, color, 0, 0},
                         {10, 40, z, 1, color, 0, 0}, {40, 40, z, 1, color, 0, 0}};
    device().DrawScreenPrimitive(PrimitiveType::TriangleStrip, v, 4);
  };
  for (int round = 0; round < 2; ++round) {
    device().Clear(kClearTarget | kClearDepth, kBlack, 1);
    quad(0.2f, 0xFFFF0000);
    quad(0.8f, 0xFF00FF00);
    EXPECT_EQ(Hex(gl.Read().at(20, 20)), Hex(0xFF00FF00)) << "round " << round;
  }
}

TEST_F(BatchedDrawing, EachStateChangeBetweenDrawsReachesTheNextDraw) {
  RenderState& s = device().state;
  s.lighting = false;
  auto white = device().CreateTexture(Image(2, 2, 0xFFFFFFFF));
  auto blue = device().CreateTexture(Image(2, 2, 0xFF0000FF));
  auto quad = [&](float x, uint32_t color) {
    ScreenVertex v[4] = {{x, 0, 0, 1, color, 0, 0}, {x + 8, 0, 0, 1, color, 1, 0},
                         {x, 8, 0, 1, color, 0, 1}, {x + 8, 8, 0, 1, color, 1, 1}};
    device().DrawScreenPrimitive(PrimitiveType::TriangleStrip, v, 4);
  };
  device().Clear(kClearTarget | kClearDepth, 0xFF808080, 1);
  s.texture = blue.get();
  quad(0, 0xFFFFFFFF);           // blue
  s.texture = nullptr;
  quad(8, 0xFFFF0000);           // red
  s.texture = blue.get();
  s.colorOp = TextureOp::SelectDiffuse;
  quad(16, 0xFF00FF00);          // green: the texture is not read
  s.colorOp = s.alphaOp = TextureOp::Modulate;
  s.blendEnabled = true;
  s.srcBlend = BlendFactor::SrcAlpha;
  s.destBlend = BlendFactor::InvSrcAlpha;
  s.texture = white.get();
  quad(24, 0x00FFFFFF);          // fully transparent: the grey stays
  s.blendEnabled = false;
  quad(32, 0xFFFFFF00);          // yellow
  Image image = gl.Read();
  EXPECT_EQ(Hex(image.at(4, 4)), Hex(0xFF0000FF));
  EXPECT_EQ(Hex(image.at(12, 4)), Hex(0xFFFF0000));
  EXPECT_EQ(Hex(image.at(20, 4)), Hex(0xFF00FF00));
  EXPECT_EQ(Hex(image.at(28, 4)), Hex(0xFF808080));
  EXPECT_EQ(Hex(image.at(36, 4)), Hex(0xFFFFFF00));
}

}  // namespace
}  // namespace platform
