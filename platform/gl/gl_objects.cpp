#include "platform/gl/gl_objects.h"

#include <cstddef>

#include "platform/gl/fixed_function_program.h"
#include "platform/mesh_data.h"

namespace platform {

bool CanDelete(GlContext& context) { return !context.released() && context.MakeCurrent(); }

GlTexture::~GlTexture() {
  if (CanDelete(*context_)) glDeleteTextures(1, &name_);
}

GlMesh::~GlMesh() {
  if (!CanDelete(*context_)) return;
  glDeleteVertexArrays(1, &vao_);
  if (instancedVao_) glDeleteVertexArrays(1, &instancedVao_);
  glDeleteBuffers(1, &vbo_);
  glDeleteBuffers(1, &ibo_);
}

std::unique_ptr<GlMesh> GlMesh::Create(std::shared_ptr<GlContext> context, const MeshData& mesh) {
  GLuint vao = 0, buffers[2] = {0, 0};
  glGenVertexArrays(1, &vao);
  glGenBuffers(2, buffers);
  auto made = std::make_unique<GlMesh>(std::move(context), vao, buffers[0], buffers[1], mesh.subsets);
  glBindVertexArray(vao);
  glBindBuffer(GL_ARRAY_BUFFER, buffers[0]);
  glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(mesh.vertices.size() * sizeof(MeshVertex)),
               mesh.vertices.data(), GL_STATIC_DRAW);
  glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, buffers[1]);
  glBufferData(GL_ELEMENT_ARRAY_BUFFER, GLsizeiptr(mesh.indices.size() * sizeof(uint32_t)),
               mesh.indices.data(), GL_STATIC_DRAW);
  made->SetVertexAttributes();
  if (glGetError() != GL_NO_ERROR) return nullptr;  // its destructor deletes what was made
  return made;
}

void GlMesh::SetVertexAttributes() const {
  glBindBuffer(GL_ARRAY_BUFFER, vbo_);
  glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, ibo_);
  const GLsizei stride = sizeof(MeshVertex);
  glEnableVertexAttribArray(FixedFunctionProgram::kPosition);
  glVertexAttribPointer(FixedFunctionProgram::kPosition, 3, GL_FLOAT, GL_FALSE, stride,
                        reinterpret_cast<void*>(offsetof(MeshVertex, x)));
  glEnableVertexAttribArray(FixedFunctionProgram::kNormal);
  glVertexAttribPointer(FixedFunctionProgram::kNormal, 3, GL_FLOAT, GL_FALSE, stride,
                        reinterpret_cast<void*>(offsetof(MeshVertex, nx)));
  glEnableVertexAttribArray(FixedFunctionProgram::kTexCoord);
  glVertexAttribPointer(FixedFunctionProgram::kTexCoord, 2, GL_FLOAT, GL_FALSE, stride,
                        reinterpret_cast<void*>(offsetof(MeshVertex, u)));
}

GLuint GlMesh::InstancedVao(GLuint instanceBuffer) const {
  if (instancedVao_) return instancedVao_;
  glGenVertexArrays(1, &instancedVao_);
  glBindVertexArray(instancedVao_);
  SetVertexAttributes();
  FixedFunctionProgram::SetInstanceAttributes(instanceBuffer);
  return instancedVao_;
}

}  // namespace platform
