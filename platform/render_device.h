#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/d3d_math.h"
#include "platform/image.h"
#include "platform/mesh_data.h"
#include "platform/render_types.h"

namespace platform {

class DeviceTexture;

// The texture a render state names. It never outlives the texture: once the texture is
// destroyed the reference reads as none, so a device never draws with a freed texture,
// whoever still holds a copy of the state. Assigned from the texture's address; copying
// it allocates nothing.
class TextureRef {
 public:
  TextureRef() = default;
  TextureRef(std::nullptr_t) {}  // NOLINT: as a pointer is set to none
  TextureRef(const DeviceTexture* texture);  // NOLINT: as a pointer is set
  const DeviceTexture* get() const { return life_.expired() ? nullptr : texture_; }
  explicit operator bool() const { return get() != nullptr; }
  friend bool operator==(const TextureRef& a, const DeviceTexture* b) { return a.get() == b; }
  friend bool operator!=(const TextureRef& a, const DeviceTexture* b) { return a.get() != b; }
  friend bool operator==(const TextureRef& a, const TextureRef& b) { return a.get() == b.get(); }
  friend bool operator!=(const TextureRef& a, const TextureRef& b) { return a.get() != b.get(); }

 private:
  const DeviceTexture* texture_ = nullptr;
  std::weak_ptr<const char> life_;
};

// The fixed-function state that every draw reads, with Direct3D 9's defaults for a device that
// has a depth buffer. Games change it directly, as they would set render states.
struct RenderState {
  Viewport viewport;

  bool blendEnabled = false;
  BlendFactor srcBlend = BlendFactor::One;
  BlendFactor destBlend = BlendFactor::Zero;

  bool alphaTestEnabled = false;
  CompareFunc alphaFunc = CompareFunc::Always;
  int alphaRef = 0;  // 0..255, compared with the pixel's alpha in the same scale

  bool depthTest = true;
  bool depthWrite = true;
  CompareFunc depthFunc = CompareFunc::LessEqual;

  CullMode cull = CullMode::CounterClockwise;

  bool lighting = true;
  uint32_t ambient = 0;  // global ambient, 0xAARRGGBB
  bool specularEnabled = false;
  bool normalizeNormals = false;
  Light light;
  bool lightEnabled = false;
  Material material;

  Matrix world, view, projection;

  // Texture stage 0. Without a texture bound, the texture reads as opaque white.
  TextureRef texture;
  TextureOp colorOp = TextureOp::Modulate;
  TextureOp alphaOp = TextureOp::SelectTexture;
  TextureFilter minFilter = TextureFilter::Point;
  TextureFilter magFilter = TextureFilter::Point;
  TextureFilter mipFilter = TextureFilter::None;
};

class DeviceTexture {
 public:
  DeviceTexture() : life_(std::make_shared<const char>(0)) {}
  DeviceTexture(const DeviceTexture&) = delete;
  DeviceTexture& operator=(const DeviceTexture&) = delete;
  virtual ~DeviceTexture() = default;
  virtual int width() const = 0;
  virtual int height() const = 0;

 private:
  friend class TextureRef;
  std::shared_ptr<const char> life_;  // references to the texture watch it
};

inline TextureRef::TextureRef(const DeviceTexture* texture)
    : texture_(texture), life_(texture ? std::weak_ptr<const char>(texture->life_) : std::weak_ptr<const char>()) {}

class DeviceMesh {
 public:
  virtual ~DeviceMesh() = default;
  virtual int subsetCount() const = 0;
};

enum ClearFlags : unsigned { kClearTarget = 1, kClearDepth = 2 };

// One object of an instanced mesh draw.
struct MeshInstance {
  Matrix world;
  ColorValue colorScale{1, 1, 1, 1};
  ColorValue colorOffset{0, 0, 0, 0};
};

// A vertex in world space with a colour (0xAARRGGBB) and texture coordinates: Direct3D's
// position, diffuse and one texture-coordinate format.
struct WorldVertex {
  float x, y, z;
  uint32_t color;
  float u, v;
};
static_assert(sizeof(WorldVertex) == 24, "world vertices are 24 bytes, as the games fill them");

// A textured quad in world space, its corners in strip order: top-left, top-right,
// bottom-left, bottom-right. The texture (none: white) is read during the call only.
struct WorldQuad {
  const DeviceTexture* texture = nullptr;
  WorldVertex corners[4];
};

// A drawing device in Direct3D 9's terms, drawing into a back buffer of its own (colour
// A8R8G8B8, 16-bit depth) that Present shows in the window, scaled to fit when the window's
// size differs (fullscreen).
class RenderDevice {
 public:
  virtual ~RenderDevice() = default;

  RenderState state;

  virtual int backBufferWidth() const = 0;
  virtual int backBufferHeight() const = 0;
  // Makes a new back buffer of this size; false when it cannot. Device objects survive it.
  virtual bool ResizeBackBuffer(int width, int height) = 0;

  // The rate in Hz at which Present waits for the display; 0 when Present does not wait
  // (no vertical sync), so the caller must pace itself.
  virtual int presentationRate() const = 0;
  virtual bool Present() = 0;

  // Clears the viewport's rectangle of the colour and/or depth buffer (kClearTarget | kClearDepth).
  virtual void Clear(unsigned flags, uint32_t argb, float depth) = 0;
  virtual void DrawScreenPrimitive(PrimitiveType type, const ScreenVertex* vertices, int count) = 0;
  // The subset drawn with the state's world matrix and material.
  virtual void DrawMeshSubset(const DeviceMesh& mesh, int subset) = 0;

  // Drawing many objects in one call. Each of these gives exactly the pixels of the same draws
  // made one by one, in order, and leaves the state as it was.
  //
  // The subset once per instance: each with its own world matrix, and with the state's
  // material scaled by the instance's colour scale (emissive also shifted by its offset). As
  // many DrawMeshSubset calls with state.world and state.material set so.
  virtual void DrawMeshSubsetInstances(const DeviceMesh& mesh, int subset,
                                       const MeshInstance* instances, int count) = 0;
  // Vertices in world space, transformed by the state's world, view and projection and not
  // lit: their colour is the diffuse colour.
  virtual void DrawWorldPrimitive(PrimitiveType type, const WorldVertex* vertices, int count) = 0;
  // Quads in world space, each with its own texture. As many DrawWorldPrimitive calls
  // (a four-vertex strip each) with state.texture set to each quad's texture; quads that
  // follow each other with the same texture go out in one call.
  virtual void DrawWorldQuads(const WorldQuad* quads, int count) = 0;

  // The picture is uploaded as it is; callers that want a power-of-two texture resize first.
  virtual std::unique_ptr<DeviceTexture> CreateTexture(const Image& image) = 0;
  virtual std::unique_ptr<DeviceMesh> CreateMesh(const MeshData& mesh) = 0;

  // The back buffer's pixels, top row first; false on a device that does not draw.
  virtual bool ReadBackBuffer(Image& out) = 0;

  // Replaces the texels of a texture this device made from (x, y), top-left origin, with the
  // picture at its own size; the smaller mip levels follow. False, changing nothing, when the
  // picture does not lie wholly inside the texture.
  virtual bool UpdateTexture(DeviceTexture& texture, int x, int y, const Image& pixels) = 0;
};

// What a window is asked for when it makes a device.
struct DeviceRequest {
  int backBufferWidth = 0;
  int backBufferHeight = 0;
  bool requireAccelerated = true;  // false also accepts a software renderer
  bool waitForVsync = true;        // Present waits for the display's refresh where it can
};

}  // namespace platform
