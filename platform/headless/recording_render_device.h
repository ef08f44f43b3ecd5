#pragma once
#include <functional>
#include <memory>
#include <vector>

#include "platform/render_device.h"

namespace platform {

// One call a game made on a device that does not draw, with the state it was made in.
struct DrawRecord {
  enum class Kind { Clear, Screen, Mesh, MeshInstances, World, WorldQuads } kind = Kind::Clear;
  RenderState state;
  // Clear
  unsigned clearFlags = 0;
  uint32_t clearColor = 0;
  // Screen and World
  PrimitiveType primitive = PrimitiveType::TriangleStrip;
  std::vector<ScreenVertex> vertices;
  std::vector<WorldVertex> worldVertices;
  // Mesh and MeshInstances
  const DeviceMesh* mesh = nullptr;
  int subset = 0;
  std::vector<MeshInstance> instances;
  // WorldQuads (their textures are only compared, never read)
  std::vector<WorldQuad> quads;
};

// How many calls of each kind a device took, and how many draw calls a GL device would have
// made for them (world quads: one per run of the same texture).
struct DrawCounts {
  int clears = 0;
  int screenPrimitives = 0;
  int meshSubsets = 0;
  int instancedCalls = 0, meshInstances = 0;
  int worldPrimitives = 0;
  int worldQuadCalls = 0, worldQuads = 0, worldQuadRuns = 0;
  int textureUpdates = 0;
  int presents = 0;
  int drawCalls() const {
    return screenPrimitives + meshSubsets + instancedCalls + worldPrimitives + worldQuadRuns;
  }
};

// The devices of the headless backend that draw no pixels: every call is accepted and
// counted, and (unless made to keep nothing) recorded, so the games' drawing passes still run
// and can be checked. A device that keeps no records allocates nothing while drawing.
// Like a GL device, it does nothing once its window is gone (windowAlive false), and reports
// each call made then through onUseAfterWindowGone.
class RecordingRenderDevice : public RenderDevice {
 public:
  RecordingRenderDevice(int width, int height, std::function<void()> onPresent,
                        std::shared_ptr<const bool> windowAlive = std::make_shared<bool>(true),
                        std::function<void()> onUseAfterWindowGone = {}, bool keepRecords = true);

  int backBufferWidth() const override { return width_; }
  int backBufferHeight() const override { return height_; }
  bool ResizeBackBuffer(int width, int height) override;
  int presentationRate() const override { return presentationRate_; }
  bool Present() override;
  void Clear(unsigned flags, uint32_t argb, float depth) override;
  void DrawScreenPrimitive(PrimitiveType type, const ScreenVertex* vertices, int count) override;
  void DrawMeshSubset(const DeviceMesh& mesh, int subset) override;
  void DrawMeshSubsetInstances(const DeviceMesh& mesh, int subset, const MeshInstance* instances,
                               int count) override;
  void DrawWorldPrimitive(PrimitiveType type, const WorldVertex* vertices, int count) override;
  void DrawWorldQuads(const WorldQuad* quads, int count) override;
  std::unique_ptr<DeviceTexture> CreateTexture(const Image& image) override;
  std::unique_ptr<DeviceMesh> CreateMesh(const MeshData& mesh) override;
  bool ReadBackBuffer(Image&) override { return false; }
  bool UpdateTexture(DeviceTexture& texture, int x, int y, const Image& pixels) override;

  void setPresentationRate(int hz) { presentationRate_ = hz; }
  // Calls since the last Present, and those of the frame that Present last showed (at most
  // 20000 a frame are kept).
  const std::vector<DrawRecord>& pending() const { return pending_; }
  const std::vector<DrawRecord>& lastFrame() const { return lastFrame_; }
  // Since the device was made.
  const DrawCounts& counts() const { return counts_; }
  int presentCount() const { return counts_.presents; }
  int textureUpdateCount() const { return counts_.textureUpdates; }

 private:
  // Whether the window is there to draw for; reports the call when it is not.
  bool Usable();
  // A record of the call, or null when none is kept.
  DrawRecord* Record(DrawRecord::Kind kind);

  int width_, height_;
  int presentationRate_ = 0;
  std::function<void()> onPresent_;
  std::shared_ptr<const bool> windowAlive_;
  std::function<void()> onUseAfterWindowGone_;
  bool keepRecords_;
  std::vector<DrawRecord> pending_, lastFrame_;
  DrawCounts counts_;
};

}  // namespace platform
