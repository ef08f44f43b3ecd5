#pragma once
#include <memory>

#include "platform/image.h"
#include "platform/render_device.h"

namespace platform {

// Glyph pictures packed into one square texture of a device, row after row. A copy of the
// texels stays in memory, so that all pictures added between two uploads go up in one update.
class GlyphAtlas {
 public:
  struct Slot {
    int x = 0, y = 0, width = 0, height = 0;  // texels, top-left origin
  };

  // Null when the device cannot make the texture. The atlas must not outlive the device.
  static std::unique_ptr<GlyphAtlas> Create(RenderDevice& device, int side);

  // Copies the picture into free room; false when none is left.
  bool Add(const Image& picture, Slot& out);
  // Frees all room; slots handed out before are no longer valid.
  void Clear();
  // Sends what was added since the last upload to the texture; false when the device refuses.
  bool Upload();

  const DeviceTexture& texture() const { return *texture_; }
  int side() const { return texels_.width; }

 private:
  GlyphAtlas(RenderDevice& device, std::unique_ptr<DeviceTexture> texture, int side);

  RenderDevice& device_;
  std::unique_ptr<DeviceTexture> texture_;
  Image texels_;
  // The row being filled: its top, its height so far, and the next free column.
  int rowTop_ = 0, rowHeight_ = 0, nextX_ = 0;
  // Texels changed since the last upload (empty when right <= left).
  int dirtyLeft_ = 0, dirtyTop_ = 0, dirtyRight_ = 0, dirtyBottom_ = 0;
};

}  // namespace platform
