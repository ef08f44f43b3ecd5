#pragma once
#include "platform/gl/gl_api.h"

#include <memory>
#include <vector>

#include "platform/gl/gl_context.h"
#include "platform/render_device.h"

namespace platform {

// Whether GL objects of the context can be deleted now: not once the window has released the
// context, which took them all with it.
bool CanDelete(GlContext& context);

class GlTexture : public DeviceTexture {
 public:
  GlTexture(std::shared_ptr<GlContext> context, GLuint name, int w, int h)
      : context_(std::move(context)), name_(name), width_(w), height_(h) {}
  ~GlTexture() override;
  int width() const override { return width_; }
  int height() const override { return height_; }
  GLuint name() const { return name_; }

 private:
  std::shared_ptr<GlContext> context_;
  GLuint name_;
  int width_, height_;
};

// A mesh's vertices and indices in buffers of their own, with a vertex array for drawing it
// once and, made on its first instanced draw, one that also reads the instance buffer.
class GlMesh : public DeviceMesh {
 public:
  GlMesh(std::shared_ptr<GlContext> context, GLuint vao, GLuint vbo, GLuint ibo,
         std::vector<MeshData::Subset> subsets)
      : context_(std::move(context)), vao_(vao), vbo_(vbo), ibo_(ibo), subsets_(std::move(subsets)) {}
  ~GlMesh() override;
  int subsetCount() const override { return int(subsets_.size()); }
  // A mesh's buffers and vertex array, or null when the GL refuses them. Leaves the vertex
  // array it made bound.
  static std::unique_ptr<GlMesh> Create(std::shared_ptr<GlContext> context, const MeshData& mesh);

  GLuint vao() const { return vao_; }
  // The vertex array for instanced draws, made with the device's instance buffer on first use.
  GLuint InstancedVao(GLuint instanceBuffer) const;
  const MeshData::Subset& subset(int i) const { return subsets_[size_t(i)]; }

 private:
  void SetVertexAttributes() const;

  std::shared_ptr<GlContext> context_;
  GLuint vao_, vbo_, ibo_;
  mutable GLuint instancedVao_ = 0;
  std::vector<MeshData::Subset> subsets_;
};

}  // namespace platform
