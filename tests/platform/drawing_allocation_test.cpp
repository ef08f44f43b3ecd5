// Nothing is allocated during play: once a frame like the shooters' has been drawn, drawing it
// again allocates nothing, on the counting device of the game tests and on the GL device.
#include <gtest/gtest.h>

#include <vector>

#include "platform/headless/headless_host.h"
#include "platform/headless/recording_render_device.h"
#include "tests/support/allocation_counter.h"
#include "tests/support/meshes.h"

namespace platform {
namespace {

using testing_support::AllocationCounter;

// A frame of every kind of call: screen quads, meshes one by one and instanced, world quads.
class Frame {
 public:
  explicit Frame(RenderDevice& device) : device_(device) {
    mesh_ = device.CreateMesh(testing_support::OneTriangle());
    texture_ = device.CreateTexture(Image(4, 4, 0xFFFFFFFF));
    instances_.resize(500);
    for (size_t i = 0; i < instances_.size(); ++i)
      instances_[i].world = MatrixTranslation(float(i % 20) * 0.1f - 1, float(i / 20) * 0.1f - 1, 5);
    quads_.resize(1900);
    for (size_t i = 0; i < quads_.size(); ++i) {
      quads_[i].texture = i % 100 < 50 ? texture_.get() : nullptr;
      float x = float(i % 40), y = float(i / 40);
      quads_[i].corners[0] = {x, y, 0, 0xFFFFFFFF, 0, 0};
      quads_[i].corners[1] = {x + 1, y, 0, 0xFFFFFFFF, 1, 0};
      quads_[i].corners[2] = {x, y + 1, 0, 0xFFFFFFFF, 0, 1};
      quads_[i].corners[3] = {x + 1, y + 1, 0, 0xFFFFFFFF, 1, 1};
    }
  }
  bool ready() const { return mesh_ && texture_; }

  void Draw() {
    RenderState& s = device_.state;
    s.projection = MatrixOrthoLH(2, 2, 0, 10);
    device_.Clear(kClearTarget | kClearDepth, 0xFF000000, 1);
    s.texture = texture_.get();
    for (int i = 0; i < 200; ++i) {
      float x = float(i % 10) * 6;
      ScreenVertex v[4] = {{x, 0, 0, 1, 0xFFFFFFFF, 0, 0}, {x + 4, 0, 0, 1, 0xFFFFFFFF, 1, 0},
                           {x, 4, 0, 1, 0xFFFFFFFF, 0, 1}, {x + 4, 4, 0, 1, 0xFFFFFFFF, 1, 1}};
      device_.DrawScreenPrimitive(PrimitiveType::TriangleStrip, v, 4);
    }
    for (int i = 0; i < 100; ++i) {
      s.world = instances_[size_t(i)].world;
      device_.DrawMeshSubset(*mesh_, 0);
    }
    device_.DrawMeshSubsetInstances(*mesh_, 0, instances_.data(), int(instances_.size()));
    device_.DrawWorldQuads(quads_.data(), int(quads_.size()));
    device_.Present();
  }

 private:
  RenderDevice& device_;
  std::unique_ptr<DeviceMesh> mesh_;
  std::unique_ptr<DeviceTexture> texture_;
  std::vector<MeshInstance> instances_;
  std::vector<WorldQuad> quads_;
};

TEST(DrawingAllocations, TheCountingDeviceCountsEveryCallAndAllocatesNothing) {
  HeadlessOptions options;
  options.drawing = HeadlessDrawing::CountingOnly;
  HeadlessHost host(options);
  auto window = host.CreateWindow({});
  auto device = window->CreateRenderDevice({320, 240, true, true});
  Frame frame(*device);
  ASSERT_TRUE(frame.ready());
  frame.Draw();
  AllocationCounter counter;
  for (int i = 0; i < 10; ++i) frame.Draw();
  EXPECT_EQ(counter.allocations(), 0u);
  const DrawCounts& counts = static_cast<RecordingRenderDevice&>(*device).counts();
  EXPECT_EQ(counts.presents, 11);
  EXPECT_EQ(counts.screenPrimitives, 11 * 200);
  EXPECT_EQ(counts.meshSubsets, 11 * 100);
  EXPECT_EQ(counts.meshInstances, 11 * 500);
  EXPECT_EQ(counts.worldQuads, 11 * 1900);
  EXPECT_EQ(counts.worldQuadRuns, 11 * 38) << "runs of 50 quads with one texture, then 50 without";
}

TEST(DrawingAllocations, TheGlDeviceAllocatesNothingOnceAFrameHasBeenDrawn) {
  HeadlessOptions options;
  options.drawing = HeadlessDrawing::OffscreenGl;
  HeadlessHost host(options);
  auto window = host.CreateWindow({});
  auto device = window->CreateRenderDevice({320, 240, true, true});
  ASSERT_NE(device, nullptr) << "no offscreen GL context";
  Frame frame(*device);
  ASSERT_TRUE(frame.ready());
  // The software GL compiles its shader variants (in C++) over the first frames; after that a
  // frame like the last one is drawn with what exists.
  for (int i = 0; i < 3; ++i) frame.Draw();
  AllocationCounter counter;
  for (int i = 0; i < 3; ++i) frame.Draw();
  EXPECT_EQ(counter.allocations(), 0u);
}

}  // namespace
}  // namespace platform
