#pragma once
#include <functional>
#include <memory>
#include <vector>

#include "platform/render_device.h"

namespace platform {

// One call a game made on a device that does not draw, with the state it was made in.
struct DrawRecord {
  enum class Kind { Clear, Screen, Mesh } kind = Kind::Clear;
  RenderState state;
  // Clear
  unsigned clearFlags = 0;
  uint32_t clearColor = 0;
  // Screen
  PrimitiveType primitive = PrimitiveType::TriangleStrip;
  std::vector<ScreenVertex> vertices;
  // Mesh
  const DeviceMesh* mesh = nullptr;
  int subset = 0;
};

// The "no drawing" device of the headless backend: every call is accepted and recorded, so
// the games' drawing passes still run (and can be checked) without any pixels.
// Like a GL device, it does nothing once its window is gone (windowAlive false), and reports
// each call made then through onUseAfterWindowGone.
class RecordingRenderDevice : public RenderDevice {
 public:
  RecordingRenderDevice(int width, int height, std::function<void()> onPresent,
                        std::shared_ptr<const bool> windowAlive = std::make_shared<bool>(true),
                        std::function<void()> onUseAfterWindowGone = {});

  int backBufferWidth() const override { return width_; }
  int backBufferHeight() const override { return height_; }
  bool ResizeBackBuffer(int width, int height) override;
  int presentationRate() const override { return presentationRate_; }
  bool Present() override;
  void Clear(unsigned flags, uint32_t argb, float depth) override;
  void DrawScreenPrimitive(PrimitiveType type, const ScreenVertex* vertices, int count) override;
  void DrawMeshSubset(const DeviceMesh& mesh, int subset) override;
  std::unique_ptr<DeviceTexture> CreateTexture(const Image& image) override;
  std::unique_ptr<DeviceMesh> CreateMesh(const MeshData& mesh) override;
  bool ReadBackBuffer(Image&) override { return false; }

  void setPresentationRate(int hz) { presentationRate_ = hz; }
  // Calls since the last Present, and those of the frame that Present last showed (at most
  // 20000 a frame are kept).
  const std::vector<DrawRecord>& pending() const { return pending_; }
  const std::vector<DrawRecord>& lastFrame() const { return lastFrame_; }
  int presentCount() const { return presents_; }

 private:
  // Whether the window is there to draw for; reports the call when it is not.
  bool Usable();

  int width_, height_;
  int presentationRate_ = 0;
  std::function<void()> onPresent_;
  std::shared_ptr<const bool> windowAlive_;
  std::function<void()> onUseAfterWindowGone_;
  std::vector<DrawRecord> pending_, lastFrame_;
  int presents_ = 0;

 public:
  bool UpdateTexture(DeviceTexture& texture, int x, int y, const Image& pixels) override;
  // Texture updates accepted so far, for tests of what is uploaded when.
  int textureUpdateCount() const { return textureUpdates_; }

 private:
  int textureUpdates_ = 0;
};

}  // namespace platform
