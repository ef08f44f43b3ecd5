// Thousands of objects a frame on the offscreen GL device (llvmpipe), drawn one by one and in
// batches, as the shooters draw their bullets, enemies and sprites. Each frame ends with the
// back buffer read back, which waits until the GL has drawn it all: BM_EmptyFrame is that
// cost alone. The draw_calls counter is what a counting device saw for the same frame.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "platform/headless/headless_host.h"
#include "platform/headless/recording_render_device.h"

namespace {

using namespace platform;

constexpr int kSize = 600;  // the shooter's square play field
// In field units of 6 pixels: bullets about 10 pixels across, enemies about 24.
constexpr float kBulletRadius = 0.8f, kEnemyRadius = 2.0f;

// A double cone of 2 * segments triangles around the z axis: a bullet (8 segments, 16
// triangles) or an enemy (32 segments, 64 triangles).
MeshData Cone(int segments, float radius) {
  MeshData m;
  m.vertices.push_back({0, 0, -radius, 0, 0, -1, 0.5f, 0.5f});
  m.vertices.push_back({0, 0, radius, 0, 0, 1, 0.5f, 0.5f});
  for (int i = 0; i < segments; ++i) {
    float a = 6.2831855f * float(i) / float(segments), c = std::cos(a), s = std::sin(a);
    m.vertices.push_back({radius * c, radius * s, 0, c, s, 0, 0.5f + c / 2, 0.5f + s / 2});
  }
  for (uint32_t i = 0; i < uint32_t(segments); ++i) {
    uint32_t a = 2 + i, b = 2 + (i + 1) % uint32_t(segments);
    m.indices.insert(m.indices.end(), {0, b, a, 1, a, b});
  }
  m.subsets = {{0, uint32_t(m.indices.size())}};
  m.materials.resize(1);
  return m;
}

std::vector<MeshInstance> Field(int count, float scale, int seed) {
  std::vector<MeshInstance> field;
  uint32_t state = uint32_t(seed);
  auto next = [&state] {
    state = state * 1664525u + 1013904223u;
    return float(state >> 8) / float(1 << 24);
  };
  for (int i = 0; i < count; ++i) {
    MeshInstance instance;
    instance.world = MatrixScaling(scale, scale, scale) * MatrixRotationY(next() * 6.28f) *
                     MatrixTranslation(next() * 100 - 50, -100 - 100 * next(), next() * 100 - 50);
    instance.colorScale = {1, 1, 1, 0.8f};
    field.push_back(instance);
  }
  return field;
}

// The shooter's camera and light: orthographic, looking down on the field, one directional
// light, alpha blending.
void ShooterState(RenderState& s) {
  s.view = MatrixLookAtLH({0, 100, 0}, {0, 0, 0}, {0, 0, 1});
  s.projection = MatrixOrthoLH(100, 100, 1, 1000);
  s.lighting = true;
  s.ambient = 0x006F6F6F;
  s.light.type = LightType::Directional;
  s.light.diffuse = {1, 1, 1, 1};
  s.light.direction = Normalize({-1, -1, -1});
  s.lightEnabled = true;
  s.material.diffuse = s.material.ambient = {0.9f, 0.6f, 0.3f, 1};
  s.blendEnabled = true;
  s.srcBlend = BlendFactor::SrcAlpha;
  s.destBlend = BlendFactor::InvSrcAlpha;
}

enum class MeshWay { OneByOne, Instanced, OneStaticMesh };

class MeshScene {
 public:
  explicit MeshScene(RenderDevice& device) : device_(device) {
    bullets_ = Field(2000, kBulletRadius, 1);
    enemies_ = Field(500, kEnemyRadius, 2);
    MeshData bullet = Cone(8, 1), enemy = Cone(32, 1);
    bullet_ = device.CreateMesh(bullet);
    enemy_ = device.CreateMesh(enemy);
    // The same triangles, placed once, in one mesh: the most this renderer can do for them.
    MeshData all;
    auto append = [&all](const MeshData& m, const std::vector<MeshInstance>& field) {
      for (const MeshInstance& instance : field) {
        auto base = uint32_t(all.vertices.size());
        for (MeshVertex v : m.vertices) {
          Vector3 p = TransformCoord({v.x, v.y, v.z}, instance.world);
          Vector3 n = Normalize(TransformNormal({v.nx, v.ny, v.nz}, instance.world));
          all.vertices.push_back({p.x, p.y, p.z, n.x, n.y, n.z, v.u, v.v});
        }
        for (uint32_t index : m.indices) all.indices.push_back(base + index);
      }
    };
    append(bullet, bullets_);
    append(enemy, enemies_);
    all.subsets = {{0, uint32_t(all.indices.size())}};
    all.materials.resize(1);
    static_ = device.CreateMesh(all);
  }

  void Draw(MeshWay way) {
    device_.Clear(kClearTarget | kClearDepth, 0xFF000000, 1);
    ShooterState(device_.state);
    switch (way) {
      case MeshWay::OneByOne:
        for (const MeshInstance& i : bullets_) DrawOne(*bullet_, i);
        for (const MeshInstance& i : enemies_) DrawOne(*enemy_, i);
        break;
      case MeshWay::Instanced:
        device_.DrawMeshSubsetInstances(*bullet_, 0, bullets_.data(), int(bullets_.size()));
        device_.DrawMeshSubsetInstances(*enemy_, 0, enemies_.data(), int(enemies_.size()));
        break;
      case MeshWay::OneStaticMesh:
        device_.state.world = MatrixIdentity();
        device_.state.material.diffuse.a = 0.8f;
        device_.DrawMeshSubset(*static_, 0);
        break;
    }
  }

 private:
  void DrawOne(const DeviceMesh& mesh, const MeshInstance& instance) {
    Material base = device_.state.material;
    device_.state.world = instance.world;
    device_.state.material.diffuse.a = base.diffuse.a * instance.colorScale.a;
    device_.DrawMeshSubset(mesh, 0);
    device_.state.material = base;
  }

  RenderDevice& device_;
  std::vector<MeshInstance> bullets_, enemies_;
  std::unique_ptr<DeviceMesh> bullet_, enemy_, static_;
};

// 2,000 sprites as the side-bar shooter draws them, in runs of one texture.
class SpriteScene {
 public:
  explicit SpriteScene(RenderDevice& device) : device_(device) {
    for (uint32_t c : {0xC0FF8040u, 0xC040FF80u, 0xC08040FFu})
      textures_.push_back(device.CreateTexture(Image(32, 32, c)));
    for (int i = 0; i < 2000; ++i) {
      WorldQuad q;
      q.texture = textures_[size_t(i / 200 % 3)].get();
      float x = float(i % 50) * 5 - 120, y = float(i / 50) * 6 - 120;
      q.corners[0] = {x - 4, y - 4, 0, 0xFFFFFFFF, 0, 0};
      q.corners[1] = {x + 4, y - 4, 0, 0xFFFFFFFF, 1, 0};
      q.corners[2] = {x - 4, y + 4, 0, 0xFFFFFFFF, 0, 1};
      q.corners[3] = {x + 4, y + 4, 0, 0xFFFFFFFF, 1, 1};
      quads_.push_back(q);
    }
  }

  void Draw(bool batched) {
    device_.Clear(kClearTarget | kClearDepth, 0xFF7F0023, 1);
    RenderState& s = device_.state;
    s.view = MatrixLookAtLH({0, 0, 300}, {0, 0, 0}, {0, -1, 0});
    s.projection = MatrixPerspectiveFovLH(0.7853982f, 1, 10, 600);
    s.lighting = false;
    s.cull = CullMode::None;
    s.blendEnabled = true;
    s.srcBlend = BlendFactor::SrcAlpha;
    s.destBlend = BlendFactor::InvSrcAlpha;
    s.alphaTestEnabled = true;
    s.alphaFunc = CompareFunc::NotEqual;
    s.colorOp = s.alphaOp = TextureOp::SelectTexture;
    if (batched) {
      device_.DrawWorldQuads(quads_.data(), int(quads_.size()));
      return;
    }
    for (const WorldQuad& q : quads_) {
      s.texture = q.texture;
      device_.DrawWorldPrimitive(PrimitiveType::TriangleStrip, q.corners, 4);
    }
  }

 private:
  RenderDevice& device_;
  std::vector<std::unique_ptr<DeviceTexture>> textures_;
  std::vector<WorldQuad> quads_;
};

struct Offscreen {
  Offscreen() : host(Options()) {
    window = host.CreateWindow({});
    device = window->CreateRenderDevice({kSize, kSize, true, true});
  }
  static HeadlessOptions Options() {
    HeadlessOptions o;
    o.drawing = HeadlessDrawing::OffscreenGl;
    return o;
  }
  HeadlessHost host;
  std::unique_ptr<Window> window;
  std::unique_ptr<RenderDevice> device;
  Image frame;
};

// How many draw calls a frame makes, seen by a counting device.
template <typename Scene, typename Way>
int DrawCallsOf(Way way) {
  HeadlessOptions o;
  o.drawing = HeadlessDrawing::CountingOnly;
  HeadlessHost host(o);
  auto window = host.CreateWindow({});
  auto device = window->CreateRenderDevice({kSize, kSize, true, true});
  Scene scene(*device);
  scene.Draw(way);
  return static_cast<RecordingRenderDevice&>(*device).counts().drawCalls();
}

void BM_EmptyFrame(benchmark::State& state) {
  Offscreen gl;
  if (!gl.device) return state.SkipWithError("no offscreen GL");
  for (auto _ : state) {
    gl.device->Clear(kClearTarget | kClearDepth, 0xFF000000, 1);
    gl.device->ReadBackBuffer(gl.frame);
  }
}
BENCHMARK(BM_EmptyFrame)->Unit(benchmark::kMillisecond);

void MeshFrame(benchmark::State& state, MeshWay way) {
  Offscreen gl;
  if (!gl.device) return state.SkipWithError("no offscreen GL");
  MeshScene scene(*gl.device);
  for (auto _ : state) {
    scene.Draw(way);
    gl.device->ReadBackBuffer(gl.frame);
  }
  state.counters["draw_calls"] = DrawCallsOf<MeshScene>(way);
  state.counters["objects"] = 2500;
}
void BM_2500MeshesOneByOne(benchmark::State& state) { MeshFrame(state, MeshWay::OneByOne); }
void BM_2500MeshesInstanced(benchmark::State& state) { MeshFrame(state, MeshWay::Instanced); }
void BM_2500MeshesAsOneStaticMesh(benchmark::State& state) { MeshFrame(state, MeshWay::OneStaticMesh); }
BENCHMARK(BM_2500MeshesOneByOne)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_2500MeshesInstanced)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_2500MeshesAsOneStaticMesh)->Unit(benchmark::kMillisecond);

void SpriteFrame(benchmark::State& state, bool batched) {
  Offscreen gl;
  if (!gl.device) return state.SkipWithError("no offscreen GL");
  SpriteScene scene(*gl.device);
  for (auto _ : state) {
    scene.Draw(batched);
    gl.device->ReadBackBuffer(gl.frame);
  }
  state.counters["draw_calls"] = DrawCallsOf<SpriteScene>(batched);
  state.counters["objects"] = 2000;
}
void BM_2000WorldQuadsOneByOne(benchmark::State& state) { SpriteFrame(state, false); }
void BM_2000WorldQuadsBatched(benchmark::State& state) { SpriteFrame(state, true); }
BENCHMARK(BM_2000WorldQuadsOneByOne)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_2000WorldQuadsBatched)->Unit(benchmark::kMillisecond);

// 1,000 textured, blended screen quads, as a bitmap font draws its letters.
void BM_1000ScreenQuads(benchmark::State& state) {
  Offscreen gl;
  if (!gl.device) return state.SkipWithError("no offscreen GL");
  auto texture = gl.device->CreateTexture(Image(256, 256, 0x80FFFFFF));
  RenderState& s = gl.device->state;
  s.texture = texture.get();
  s.blendEnabled = true;
  s.srcBlend = BlendFactor::SrcAlpha;
  s.destBlend = BlendFactor::InvSrcAlpha;
  for (auto _ : state) {
    gl.device->Clear(kClearTarget | kClearDepth, 0xFF000000, 1);
    for (int i = 0; i < 1000; ++i) {
      float x = float(i * 16 % 584), y = float(i / 36 * 20 % 568);
      ScreenVertex v[4] = {{x, y, 0, 1, 0xFFFFFFFF, 0, 0}, {x + 16, y, 0, 1, 0xFFFFFFFF, 0.0625f, 0},
                           {x, y + 32, 0, 1, 0xFFFFFFFF, 0, 0.125f},
                           {x + 16, y + 32, 0, 1, 0xFFFFFFFF, 0.0625f, 0.125f}};
      gl.device->DrawScreenPrimitive(PrimitiveType::TriangleStrip, v, 4);
    }
    gl.device->ReadBackBuffer(gl.frame);
  }
  state.counters["draw_calls"] = 1000;
}
BENCHMARK(BM_1000ScreenQuads)->Unit(benchmark::kMillisecond);

}  // namespace
