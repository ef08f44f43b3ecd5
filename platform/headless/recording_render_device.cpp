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
                                             std::function<void()> onUseAfterWindowGone)
    : width_(width), height_(height), onPresent_(std::move(onPresent)),
      windowAlive_(std::move(windowAlive)), onUseAfterWindowGone_(std::move(onUseAfterWindowGone)) {
  state.viewport = {0, 0, width, height, 0, 1};
}

bool RecordingRenderDevice::Usable() {
  if (*windowAlive_) return true;
  if (onUseAfterWindowGone_) onUseAfterWindowGone_();
  return false;
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
  ++presents_;
  lastFrame_.swap(pending_);
  pending_.clear();
  if (onPresent_) onPresent_();
  return true;
}

void RecordingRenderDevice::Clear(unsigned flags, uint32_t argb, float) {
  if (!Usable() || pending_.size() >= kMaxRecordsPerFrame) return;
  DrawRecord r;
  r.kind = DrawRecord::Kind::Clear;
  r.state = state;
  r.clearFlags = flags;
  r.clearColor = argb;
  pending_.push_back(std::move(r));
}

void RecordingRenderDevice::DrawScreenPrimitive(PrimitiveType type, const ScreenVertex* vertices,
                                                int count) {
  if (!Usable() || pending_.size() >= kMaxRecordsPerFrame) return;
  DrawRecord r;
  r.kind = DrawRecord::Kind::Screen;
  r.state = state;
  r.primitive = type;
  r.vertices.assign(vertices, vertices + count);
  pending_.push_back(std::move(r));
}

void RecordingRenderDevice::DrawMeshSubset(const DeviceMesh& mesh, int subset) {
  if (!Usable() || pending_.size() >= kMaxRecordsPerFrame) return;
  DrawRecord r;
  r.kind = DrawRecord::Kind::Mesh;
  r.state = state;
  r.mesh = &mesh;
  r.subset = subset;
  pending_.push_back(std::move(r));
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
      y > texture.height() - pixels.height)
    return false;
  ++textureUpdates_;
  return true;
}

}  // namespace platform
