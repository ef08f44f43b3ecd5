#include "platform/headless/recording_render_device.h"

namespace platform {
namespace {

class RecordedTexture : public DeviceTexture {
 public:
  RecordedTexture(int w, int h) : width_(w), height_(h) {}
  int width() const override { return width_; }
  int height() const override { return height_; }

 private:
  int width_, height_;
};

class RecordedMesh : public DeviceMesh {
 public:
  explicit RecordedMesh(int subsets) : subsets_(subsets) {}
  int subsetCount() const override { return subsets_; }

 private:
  int subsets_;
};

// A frame keeps at most this many records; a game that draws more in one frame is still
// counted, only not kept.
constexpr size_t kMaxRecordsPerFrame = 20000;

}  // namespace

RecordingRenderDevice::RecordingRenderDevice(int width, int height, std::function<void()> onPresent,
                                             std::shared_ptr<const bool> windowAlive,
                                             std::function<void()> onUseAfterWindowGone,
                                             bool keepRecords)
    : width_(width), height_(height), onPresent_(std::move(onPresent)),
      windowAlive_(std::move(windowAlive)), onUseAfterWindowGone_(std::move(onUseAfterWindowGone)),
      keepRecords_(keepRecords) {
  state.viewport = {0, 0, width, height, 0, 1};
}

bool RecordingRenderDevice::Usable() {
  if (*windowAlive_) return true;
  if (onUseAfterWindowGone_) onUseAfterWindowGone_();
  return false;
}

DrawRecord* RecordingRenderDevice::Record(DrawRecord::Kind kind) {
  if (!keepRecords_ || pending_.size() >= kMaxRecordsPerFrame) return nullptr;
  DrawRecord& r = pending_.emplace_back();
  r.kind = kind;
  r.state = state;
  return &r;
}

bool RecordingRenderDevice::ResizeBackBuffer(int width, int height) {
  if (width <= 0 || height <= 0 || !Usable()) return false;
  width_ = width;
  height_ = height;
  state.viewport = {0, 0, width, height, 0, 1};
  return true;
}

bool RecordingRenderDevice::Present() {
  if (!Usable()) return false;
  ++counts_.presents;
  lastFrame_.swap(pending_);
  pending_.clear();
  if (onPresent_) onPresent_();
  return true;
}

void RecordingRenderDevice::Clear(unsigned flags, uint32_t argb, float) {
  if (!Usable()) return;
  ++counts_.clears;
  if (DrawRecord* r = Record(DrawRecord::Kind::Clear)) {
    r->clearFlags = flags;
    r->clearColor = argb;
  }
}

void RecordingRenderDevice::DrawScreenPrimitive(PrimitiveType type, const ScreenVertex* vertices,
                                                int count) {
  if (!Usable()) return;
  ++counts_.screenPrimitives;
  if (DrawRecord* r = Record(DrawRecord::Kind::Screen)) {
    r->primitive = type;
    r->vertices.assign(vertices, vertices + count);
  }
}

void RecordingRenderDevice::DrawMeshSubset(const DeviceMesh& mesh, int subset) {
  if (!Usable()) return;
  ++counts_.meshSubsets;
  if (DrawRecord* r = Record(DrawRecord::Kind::Mesh)) {
    r->mesh = &mesh;
    r->subset = subset;
  }
}

void RecordingRenderDevice::DrawMeshSubsetInstances(const DeviceMesh& mesh, int subset,
                                                    const MeshInstance* instances, int count) {
  if (!Usable() || count <= 0) return;
  ++counts_.instancedCalls;
  counts_.meshInstances += count;
  if (DrawRecord* r = Record(DrawRecord::Kind::MeshInstances)) {
    r->mesh = &mesh;
    r->subset = subset;
    r->instances.assign(instances, instances + count);
  }
}

void RecordingRenderDevice::DrawWorldPrimitive(PrimitiveType type, const WorldVertex* vertices,
                                               int count) {
  if (!Usable()) return;
  ++counts_.worldPrimitives;
  if (DrawRecord* r = Record(DrawRecord::Kind::World)) {
    r->primitive = type;
    r->worldVertices.assign(vertices, vertices + count);
  }
}

void RecordingRenderDevice::DrawWorldQuads(const WorldQuad* quads, int count) {
  if (!Usable() || count <= 0) return;
  ++counts_.worldQuadCalls;
  counts_.worldQuads += count;
  for (int i = 0; i < count; ++i)
    if (i == 0 || quads[i].texture != quads[i - 1].texture) ++counts_.worldQuadRuns;
  if (DrawRecord* r = Record(DrawRecord::Kind::WorldQuads)) r->quads.assign(quads, quads + count);
}

std::unique_ptr<DeviceTexture> RecordingRenderDevice::CreateTexture(const Image& image) {
  if (image.empty() || !Usable()) return nullptr;
  return std::make_unique<RecordedTexture>(image.width, image.height);
}

std::unique_ptr<DeviceMesh> RecordingRenderDevice::CreateMesh(const MeshData& mesh) {
  if (!Usable()) return nullptr;
  return std::make_unique<RecordedMesh>(int(mesh.subsets.size()));
}

bool RecordingRenderDevice::UpdateTexture(DeviceTexture& texture, int x, int y,
                                          const Image& pixels) {
  if (pixels.empty() || x < 0 || y < 0 || x > texture.width() - pixels.width ||
      y > texture.height() - pixels.height || !Usable())
    return false;
  ++counts_.textureUpdates;
  return true;
}

}  // namespace platform
