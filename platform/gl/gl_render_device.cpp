#include "platform/gl/gl_render_device.h"

#include "platform/gl/gl_api.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/gl/fixed_function_program.h"
#include "platform/gl/gl_objects.h"
#include "platform/gl/gl_state_cache.h"
#include "platform/gl/stream_buffer.h"

namespace platform {
namespace {

// The streaming buffers: a frame of small draws fits many times over before one is orphaned.
constexpr size_t kScreenStreamBytes = size_t(1) << 20;
constexpr size_t kWorldStreamBytes = size_t(2) << 20;
// Quads of one world-quad run at most: their corners fill the world stream, and the quad index
// buffer holds six indices for each.
constexpr int kMaxQuadsPerRun = int(kWorldStreamBytes / (4 * sizeof(WorldVertex)));

GLenum Factor(BlendFactor f) {
  switch (f) {
    case BlendFactor::Zero: return GL_ZERO;
    case BlendFactor::One: return GL_ONE;
    case BlendFactor::SrcColor: return GL_SRC_COLOR;
    case BlendFactor::InvSrcColor: return GL_ONE_MINUS_SRC_COLOR;
    case BlendFactor::SrcAlpha: return GL_SRC_ALPHA;
    case BlendFactor::InvSrcAlpha: return GL_ONE_MINUS_SRC_ALPHA;
    case BlendFactor::DestAlpha: return GL_DST_ALPHA;
    case BlendFactor::InvDestAlpha: return GL_ONE_MINUS_DST_ALPHA;
    case BlendFactor::DestColor: return GL_DST_COLOR;
    case BlendFactor::InvDestColor: return GL_ONE_MINUS_DST_COLOR;
  }
  return GL_ONE;
}

GLenum Compare(CompareFunc f) {
  switch (f) {
    case CompareFunc::Never: return GL_NEVER;
    case CompareFunc::Less: return GL_LESS;
    case CompareFunc::Equal: return GL_EQUAL;
    case CompareFunc::LessEqual: return GL_LEQUAL;
    case CompareFunc::Greater: return GL_GREATER;
    case CompareFunc::NotEqual: return GL_NOTEQUAL;
    case CompareFunc::GreaterEqual: return GL_GEQUAL;
    case CompareFunc::Always: return GL_ALWAYS;
  }
  return GL_ALWAYS;
}

GLenum Primitive(PrimitiveType type) {
  switch (type) {
    case PrimitiveType::TriangleList: return GL_TRIANGLES;
    case PrimitiveType::TriangleStrip: return GL_TRIANGLE_STRIP;
    case PrimitiveType::TriangleFan: return GL_TRIANGLE_FAN;
  }
  return GL_TRIANGLES;
}

// The attributes of a vertex layout that streams from one buffer, its vertices starting at
// `base` bytes: position (with its w when there are four components), colour and texture
// coordinates.
void SetStreamAttributes(GLint positionSize, GLsizei stride, size_t colorOffset, size_t uvOffset, size_t base = 0) {
  glEnableVertexAttribArray(FixedFunctionProgram::kPosition);
  glVertexAttribPointer(FixedFunctionProgram::kPosition, positionSize, GL_FLOAT, GL_FALSE, stride,
                        reinterpret_cast<void*>(base));
  // 0xAARRGGBB in memory is B, G, R, A; the shader puts them in order.
  glEnableVertexAttribArray(FixedFunctionProgram::kColor);
  glVertexAttribPointer(FixedFunctionProgram::kColor, 4, GL_UNSIGNED_BYTE, GL_TRUE, stride,
                        reinterpret_cast<void*>(base + colorOffset));
  glEnableVertexAttribArray(FixedFunctionProgram::kTexCoord);
  glVertexAttribPointer(FixedFunctionProgram::kTexCoord, 2, GL_FLOAT, GL_FALSE, stride,
                        reinterpret_cast<void*>(base + uvOffset));
}

class GlRenderDevice : public RenderDevice {
 public:
  explicit GlRenderDevice(std::shared_ptr<GlContext> context) : context_(std::move(context)) {}

  ~GlRenderDevice() override {
    if (!CanDelete(*context_)) return;
    program_.Release();
    DeleteTargets();
    GLuint arrays[] = {screenVao_, worldVao_, quadVao_};
    glDeleteVertexArrays(3, arrays);
    screenStream_.Release();
    worldStream_.Release();
    GLuint buffers[] = {quadIndices_, instanceBuffer_};
    glDeleteBuffers(2, buffers);
    glDeleteSamplers(1, &sampler_);
  }

  bool Init(int width, int height) {
    if (!MakeCurrent()) return false;
    if (!program_.Build()) return false;
    if (!screenStream_.Init(kScreenStreamBytes) || !worldStream_.Init(kWorldStreamBytes)) return false;

    glGenVertexArrays(1, &screenVao_);
    glBindVertexArray(screenVao_);
    glBindBuffer(GL_ARRAY_BUFFER, screenStream_.name());
    SetStreamAttributes(4, sizeof(ScreenVertex), offsetof(ScreenVertex, color), offsetof(ScreenVertex, u));

    // World quads are drawn as indexed triangles, the two of each quad in the order a
    // four-vertex strip gives them: (0, 1, 2) and (2, 1, 3).
    std::vector<uint32_t> indices(size_t(kMaxQuadsPerRun) * 6);
    for (uint32_t q = 0; q < uint32_t(kMaxQuadsPerRun); ++q) {
      const uint32_t v = q * 4, corners[6] = {v, v + 1, v + 2, v + 2, v + 1, v + 3};
      std::copy(corners, corners + 6, indices.begin() + q * 6);
    }
    glGenVertexArrays(1, &worldVao_);
    glBindVertexArray(worldVao_);
    glBindBuffer(GL_ARRAY_BUFFER, worldStream_.name());
    SetStreamAttributes(3, sizeof(WorldVertex), offsetof(WorldVertex, color), offsetof(WorldVertex, u));
    // The quads' own layout: the same, its attributes pointed at each run's first vertex.
    glGenVertexArrays(1, &quadVao_);
    glBindVertexArray(quadVao_);
    SetStreamAttributes(3, sizeof(WorldVertex), offsetof(WorldVertex, color), offsetof(WorldVertex, u));
    glGenBuffers(1, &quadIndices_);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, quadIndices_);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, GLsizeiptr(indices.size() * sizeof(uint32_t)),
                 indices.data(), GL_STATIC_DRAW);
    glBindVertexArray(0);

    glGenBuffers(1, &instanceBuffer_);
    glVertexAttrib3f(FixedFunctionProgram::kNormal, 0, 0, 0);
    glGenSamplers(1, &sampler_);
    glBindSampler(0, sampler_);
    // Direct3D's pictures are y-down; so is our framebuffer's meaning of "front": a face that
    // is clockwise on the screen is clockwise in GL's window coordinates too.
    glFrontFace(GL_CW);
    glEnable(GL_SCISSOR_TEST);
    cache_.Invalidate();
    if (!ResizeBackBuffer(width, height)) return false;
    return glGetError() == GL_NO_ERROR;
  }

  int backBufferWidth() const override { return width_; }
  int backBufferHeight() const override { return height_; }

  bool ResizeBackBuffer(int width, int height) override {
    if (width <= 0 || height <= 0 || !MakeCurrent()) return false;
    DeleteTargets();
    glGenFramebuffers(1, &framebuffer_);
    glGenRenderbuffers(1, &colorBuffer_);
    glGenRenderbuffers(1, &depthBuffer_);
    glBindRenderbuffer(GL_RENDERBUFFER, colorBuffer_);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
    glBindRenderbuffer(GL_RENDERBUFFER, depthBuffer_);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT16, width, height);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colorBuffer_);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depthBuffer_);
    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
      DeleteTargets();
      width_ = height_ = 0;
      return false;
    }
    width_ = width;
    height_ = height;
    state.viewport = {0, 0, width, height, 0, 1};
    return true;
  }

  int presentationRate() const override { return context_->presentationRate(); }

  bool Present() override {
    if (!MakeCurrent() || !framebuffer_) return false;
    Size target = context_->drawableSize();
    if (target.width > 0 && target.height > 0) {
      // Fit the back buffer into the window keeping its shape; the bars stay black.
      int w = target.width, h = int(int64_t(target.width) * height_ / width_);
      if (h > target.height) {
        h = target.height;
        w = int(int64_t(target.height) * width_ / height_);
      }
      int x = (target.width - w) / 2, y = (target.height - h) / 2;
      glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
      glDisable(GL_SCISSOR_TEST);
      if (w != target.width || h != target.height) {
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
      }
      glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer_);
      bool exact = w == width_ && h == height_;
      glBlitFramebuffer(0, 0, width_, height_, x, y, x + w, y + h, GL_COLOR_BUFFER_BIT,
                        exact ? GL_NEAREST : GL_LINEAR);
      glEnable(GL_SCISSOR_TEST);
      glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    }
    context_->SwapBuffers();
    return glGetError() == GL_NO_ERROR;
  }

  void Clear(unsigned flags, uint32_t argb, float depth) override {
    if (!MakeCurrent() || !framebuffer_) return;
    ApplyViewportRect();
    GLbitfield mask = 0;
    if (flags & kClearTarget) {
      ColorValue c = ColorFromArgb(argb);
      glClearColor(c.r, c.g, c.b, c.a);
      mask |= GL_COLOR_BUFFER_BIT;
    }
    if (flags & kClearDepth) {
      GlClearDepth(depth);
      cache_.DepthMask(true);  // a clear writes depth whatever the depth-write state
      mask |= GL_DEPTH_BUFFER_BIT;
    }
    glClear(mask);
  }

  void DrawScreenPrimitive(PrimitiveType type, const ScreenVertex* vertices, int count) override {
    if (count < 3 || !MakeCurrent() || !framebuffer_) return;
    size_t offset = 0;
    if (!screenStream_.Append(vertices, size_t(count) * sizeof(ScreenVertex), sizeof(ScreenVertex), offset))
      return;
    ApplyState(state, Geometry::Screen);
    cache_.BindVertexArray(screenVao_);
    glDrawArrays(Primitive(type), GLint(offset / sizeof(ScreenVertex)), count);
  }

  void DrawMeshSubset(const DeviceMesh& mesh, int subset) override {
    const auto& glMesh = static_cast<const GlMesh&>(mesh);
    if (subset < 0 || subset >= glMesh.subsetCount() || !MakeCurrent() || !framebuffer_) return;
    const MeshData::Subset& range = glMesh.subset(subset);
    if (range.indexCount == 0) return;
    ApplyState(state, Geometry::Mesh);
    SetObject(state.world, {1, 1, 1, 1}, {0, 0, 0, 0});
    cache_.BindVertexArray(glMesh.vao());
    DrawRange(range);
  }

  void DrawMeshSubsetInstances(const DeviceMesh& mesh, int subset, const MeshInstance* instances,
                               int count) override {
    const auto& glMesh = static_cast<const GlMesh&>(mesh);
    if (count <= 0 || subset < 0 || subset >= glMesh.subsetCount() || !MakeCurrent() || !framebuffer_)
      return;
    const MeshData::Subset& range = glMesh.subset(subset);
    if (range.indexCount == 0) return;
    ApplyState(state, Geometry::Mesh);
    if (FixedFunctionProgram::NeedsWorldView(state)) {
      // The specular highlight needs each object's own camera-space transform.
      cache_.BindVertexArray(glMesh.vao());
      for (int i = 0; i < count; ++i) {
        SetObject(instances[i].world, instances[i].colorScale, instances[i].colorOffset);
        DrawRange(range);
      }
      return;
    }
    bool lit = state.lighting;
    instanceScratch_.resize(size_t(count));
    for (int i = 0; i < count; ++i)
      instanceScratch_[size_t(i)] = MakeObjectConstants(instances[i].world, state.view, state.projection,
                                                        lit, instances[i].colorScale, instances[i].colorOffset);
    glBindBuffer(GL_ARRAY_BUFFER, instanceBuffer_);
    glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(size_t(count) * sizeof(ObjectConstants)),
                 instanceScratch_.data(), GL_STREAM_DRAW);
    // Making the instanced vertex array (on the first instanced draw) binds it behind the
    // cache's back.
    cache_.BindVertexArray(0);
    GLuint vao = glMesh.InstancedVao(instanceBuffer_);
    cache_.BindVertexArray(vao);
    glDrawElementsInstanced(GL_TRIANGLES, GLsizei(range.indexCount), GL_UNSIGNED_INT,
                            reinterpret_cast<void*>(size_t(range.firstIndex) * sizeof(uint32_t)), count);
    program_.ForgetObjectConstants();
  }

  void DrawWorldPrimitive(PrimitiveType type, const WorldVertex* vertices, int count) override {
    if (count < 3 || !MakeCurrent() || !framebuffer_) return;
    size_t offset = 0;
    if (!worldStream_.Append(vertices, size_t(count) * sizeof(WorldVertex), sizeof(WorldVertex), offset))
      return;
    ApplyState(state, Geometry::World);
    SetObject(state.world, {1, 1, 1, 1}, {0, 0, 0, 0});
    cache_.BindVertexArray(worldVao_);
    glDrawArrays(Primitive(type), GLint(offset / sizeof(WorldVertex)), count);
  }

  void DrawWorldQuads(const WorldQuad* quads, int count) override {
    if (count <= 0 || !MakeCurrent() || !framebuffer_) return;
    // The texture of each run is set on a copy of the state: the game's state stays as it is.
    runState_ = state;
    bool objectSet = false;
    for (int first = 0; first < count;) {
      const DeviceTexture* texture = quads[first].texture;
      int end = first + 1;
      while (end < count && end - first < kMaxQuadsPerRun && quads[end].texture == texture) ++end;
      runCorners_.resize(size_t(end - first) * 4);
      for (int q = first; q < end; ++q)
        std::memcpy(&runCorners_[size_t(q - first) * 4], quads[q].corners, sizeof quads[q].corners);
      size_t offset = 0;
      if (!worldStream_.Append(runCorners_.data(), runCorners_.size() * sizeof(WorldVertex),
                               4 * sizeof(WorldVertex), offset))
        return;
      runState_.texture = texture;
      ApplyState(runState_, Geometry::World);
      if (!objectSet) SetObject(state.world, {1, 1, 1, 1}, {0, 0, 0, 0});
      objectSet = true;
      cache_.BindVertexArray(quadVao_);
      glBindBuffer(GL_ARRAY_BUFFER, worldStream_.name());
      SetStreamAttributes(3, sizeof(WorldVertex), offsetof(WorldVertex, color), offsetof(WorldVertex, u), offset);
      glDrawElements(GL_TRIANGLES, GLsizei(end - first) * 6, GL_UNSIGNED_INT, nullptr);
      first = end;
    }
  }

  std::unique_ptr<DeviceTexture> CreateTexture(const Image& image) override {
    if (image.empty() || !MakeCurrent()) return nullptr;
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    cache_.NoteTextureBound(name);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    // Rows go up top first, so v = 0 (t = 0) is the picture's top row, as in Direct3D.
    // The picture's bytes as they are (B, G, R, A); the shader reads them in order.
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, image.width, image.height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 image.pixels.data());
    glGenerateMipmap(GL_TEXTURE_2D);
    if (glGetError() != GL_NO_ERROR) {
      glDeleteTextures(1, &name);
      return nullptr;
    }
    return std::make_unique<GlTexture>(context_, name, image.width, image.height);
  }

  std::unique_ptr<DeviceMesh> CreateMesh(const MeshData& mesh) override {
    if (!MakeCurrent()) return nullptr;
    cache_.BindVertexArray(0);
    std::unique_ptr<DeviceMesh> made = GlMesh::Create(context_, mesh);
    glBindVertexArray(0);  // Create left its vertex array bound; the cache says none
    return made;
  }

  bool ReadBackBuffer(Image& out) override {
    if (!MakeCurrent() || !framebuffer_) return false;
    Image image(width_, height_);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer_);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(0, 0, width_, height_, GL_RGBA, GL_UNSIGNED_BYTE, image.pixels.data());
    // The bytes come as R, G, B, A; 0xAARRGGBB is B, G, R, A in memory.
    for (uint32_t& p : image.pixels) p = (p & 0xFF00FF00u) | (p & 0xFFu) << 16 | (p >> 16 & 0xFFu);
    // GL's rows start at the bottom; ours at the top.
    for (int y = 0; y < height_ / 2; ++y)
      std::swap_ranges(image.pixels.begin() + size_t(y) * width_,
                       image.pixels.begin() + size_t(y + 1) * width_,
                       image.pixels.begin() + size_t(height_ - 1 - y) * width_);
    out = std::move(image);
    return true;
  }

  bool UpdateTexture(DeviceTexture& texture, int x, int y, const Image& pixels) override {
    if (pixels.empty() || x < 0 || y < 0 || x > texture.width() - pixels.width ||
        y > texture.height() - pixels.height || !MakeCurrent())
      return false;
    GLuint name = static_cast<GlTexture&>(texture).name();
    glBindTexture(GL_TEXTURE_2D, name);
    cache_.NoteTextureBound(name);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glTexSubImage2D(GL_TEXTURE_2D, 0, x, y, pixels.width, pixels.height, GL_RGBA, GL_UNSIGNED_BYTE,
                    pixels.pixels.data());
    // CreateTexture made a full mip chain; it must keep showing the new texels.
    glGenerateMipmap(GL_TEXTURE_2D);
    return glGetError() == GL_NO_ERROR;
  }

 private:
  enum class Geometry { Screen, Mesh, World };

  // Cheap when the context is already current (both backends check that first).
  bool MakeCurrent() { return context_->MakeCurrent(); }

  void DeleteTargets() {
    if (framebuffer_) glDeleteFramebuffers(1, &framebuffer_);
    if (colorBuffer_) glDeleteRenderbuffers(1, &colorBuffer_);
    if (depthBuffer_) glDeleteRenderbuffers(1, &depthBuffer_);
    framebuffer_ = colorBuffer_ = depthBuffer_ = 0;
  }

  void DrawRange(const MeshData::Subset& range) {
    glDrawElements(GL_TRIANGLES, GLsizei(range.indexCount), GL_UNSIGNED_INT,
                   reinterpret_cast<void*>(size_t(range.firstIndex) * sizeof(uint32_t)));
  }

  // The object constants of a draw that is not instanced.
  void SetObject(const Matrix& world, const ColorValue& scale, const ColorValue& offset) {
    bool lit = state.lighting;
    program_.SetObjectConstants(MakeObjectConstants(world, state.view, state.projection, lit, scale, offset));
    if (FixedFunctionProgram::NeedsWorldView(state)) program_.SetWorldView(world * state.view);
  }

  // The viewport rectangle, clipped to the back buffer, in GL's bottom-up window coordinates.
  void ViewportRect(int& x, int& y, int& w, int& h) const {
    const Viewport& v = state.viewport;
    int left = std::clamp(v.x, 0, width_), top = std::clamp(v.y, 0, height_);
    int right = std::clamp(v.x + v.width, left, width_);
    int bottom = std::clamp(v.y + v.height, top, height_);
    x = left;
    y = height_ - bottom;
    w = right - left;
    h = bottom - top;
  }

  void ApplyViewportRect() {
    int x, y, w, h;
    ViewportRect(x, y, w, h);
    cache_.Scissor(x, y, w, h);
  }

  void ApplyState(const RenderState& s, Geometry geometry) {
    // Everything is clipped to the viewport. Transformed geometry is also mapped onto it;
    // screen vertices are in back-buffer pixels and map onto the whole back buffer.
    ApplyViewportRect();
    bool pretransformed = geometry == Geometry::Screen;
    if (pretransformed) {
      cache_.Viewport(0, 0, width_, height_);
      cache_.DepthRange(0, 1);
    } else {
      const Viewport& v = s.viewport;
      cache_.Viewport(v.x, height_ - (v.y + v.height), v.width, v.height);
      cache_.DepthRange(v.minZ, v.maxZ);
    }
    cache_.Blend(s.blendEnabled, Factor(s.srcBlend), Factor(s.destBlend));
    cache_.DepthTest(s.depthTest, Compare(s.depthFunc));
    cache_.DepthMask(s.depthWrite);
    // Front faces are the clockwise ones (glFrontFace(GL_CW)).
    cache_.Cull(s.cull == CullMode::None ? GL_NONE
                : s.cull == CullMode::CounterClockwise ? GL_BACK : GL_FRONT);
    const auto* texture = static_cast<const GlTexture*>(s.texture.get());
    GLuint name = texture ? texture->name() : 0;
    cache_.BindTexture(name);
    bool linearMin = s.minFilter == TextureFilter::Linear;
    GLenum minFilter = linearMin ? GL_LINEAR : GL_NEAREST;
    if (s.mipFilter == TextureFilter::Point)
      minFilter = linearMin ? GL_LINEAR_MIPMAP_NEAREST : GL_NEAREST_MIPMAP_NEAREST;
    if (s.mipFilter == TextureFilter::Linear)
      minFilter = linearMin ? GL_LINEAR_MIPMAP_LINEAR : GL_NEAREST_MIPMAP_LINEAR;
    cache_.SamplerFilters(sampler_, minFilter, s.magFilter == TextureFilter::Linear ? GL_LINEAR : GL_NEAREST);
    DrawInputs inputs;
    inputs.pretransformed = pretransformed;
    inputs.hasVertexColor = geometry != Geometry::Mesh;
    inputs.lightable = geometry == Geometry::Mesh;
    inputs.textureBound = name != 0;
    inputs.targetWidth = float(width_);
    inputs.targetHeight = float(height_);
    program_.Use(s, inputs);
  }

  std::shared_ptr<GlContext> context_;
  FixedFunctionProgram program_;
  GlStateCache cache_;
  GLuint framebuffer_ = 0, colorBuffer_ = 0, depthBuffer_ = 0;
  StreamBuffer screenStream_, worldStream_;
  GLuint screenVao_ = 0, worldVao_ = 0, quadVao_ = 0, quadIndices_ = 0, instanceBuffer_ = 0, sampler_ = 0;
  int width_ = 0, height_ = 0;
  // Kept between calls so that drawing allocates nothing once they have grown.
  std::vector<ObjectConstants> instanceScratch_;
  std::vector<WorldVertex> runCorners_;
  RenderState runState_;
};

}  // namespace

std::unique_ptr<RenderDevice> CreateGlRenderDevice(std::shared_ptr<GlContext> context,
                                                   int backBufferWidth, int backBufferHeight) {
  auto device = std::make_unique<GlRenderDevice>(std::move(context));
  if (!device->Init(backBufferWidth, backBufferHeight)) return nullptr;
  return device;
}

}  // namespace platform
