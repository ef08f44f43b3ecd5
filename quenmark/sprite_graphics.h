#pragma once
#include <memory>
#include <vector>

#include "platform/host.h"
#include "platform/texture_file.h"
#include "quenmark/sprites.h"

// The part of a texture a sprite shows.
struct CellRect {
  float u0 = 0, v0 = 0, u1 = 1, v1 = 1;
};

// The side-bar shooter's graphics: a device over the whole screen, the fourteen pictures, a
// fixed perspective camera looking at the plane z = 0 with +y down, and each frame's two
// passes over the sprite pools, the play sprites and then, over everything, the screen ones.
class SpriteGraphics {
 public:
  static constexpr uint32_t kClearColour = 0xFF7F0023;
  static constexpr float kEyeDistance = 300;  // the eye at (0, 0, 300) looks at the origin
  static constexpr float kPullTowardsEye = 2.5f;

  explicit SpriteGraphics(platform::Host& host) : host_(host) {}
  // The device: full screen at the desktop's current size, or the window's client size.
  // False after a message of its own when it cannot be made.
  bool InitGraphics(platform::Window& window, bool fullScreen);
  // The shared quad: with this device every sprite's corners go out with it, so there is
  // nothing to make. Kept as the start-up step it is.
  bool CreateQuadBuffer() { return device_ != nullptr; }
  // The fourteen pictures, from the working folder or "images\"; false at the first missing.
  bool LoadAllTextures();
  void DrawFrame(const SpritePools& pools);
  void ReleaseGraphics();

  // What part of texture `textureId` a sprite with `cell` shows.
  static CellRect QuadCell(int textureId, int cell);
  // The four corners of a sprite in world space, in strip order (top-left, top-right,
  // bottom-left, bottom-right), each moved 2.5 units towards the eye.
  static void SpriteCorners(const Sprite& sprite, platform::WorldVertex corners[4]);

  platform::RenderDevice* device() const { return device_.get(); }
  const platform::DeviceTexture* texture(int id) const {
    return id > 0 && id < kTextureCount ? textures_[id].texture.get() : nullptr;
  }

 private:
  void SetupCamera();
  void SetSpriteRenderStates();
  template <size_t N>
  void Collect(const std::array<Sprite, N>& pool, size_t drawn);

  platform::Host& host_;
  std::unique_ptr<platform::RenderDevice> device_;
  platform::LoadedTexture textures_[kTextureCount];
  std::vector<platform::WorldQuad> batch_;  // a pass's sprites, sized once
};
