#include "platform/gl/gl_state_cache.h"

namespace platform {

void GlStateCache::Viewport(GLint x, GLint y, GLsizei w, GLsizei h) {
  if (viewport_[0] == x && viewport_[1] == y && viewport_[2] == w && viewport_[3] == h) return;
  glViewport(x, y, w, h);
  viewport_[0] = x, viewport_[1] = y, viewport_[2] = w, viewport_[3] = h;
}

void GlStateCache::Scissor(GLint x, GLint y, GLsizei w, GLsizei h) {
  if (scissor_[0] == x && scissor_[1] == y && scissor_[2] == w && scissor_[3] == h) return;
  glScissor(x, y, w, h);
  scissor_[0] = x, scissor_[1] = y, scissor_[2] = w, scissor_[3] = h;
}

void GlStateCache::DepthRange(float nearZ, float farZ) {
  if (depthRange_[0] == nearZ && depthRange_[1] == farZ) return;
  GlDepthRange(nearZ, farZ);
  depthRange_[0] = nearZ, depthRange_[1] = farZ;
}

void GlStateCache::Blend(bool enabled, GLenum source, GLenum destination) {
  if (blend_ != int(enabled)) {
    if (enabled) glEnable(GL_BLEND);
    else glDisable(GL_BLEND);
    blend_ = enabled;
  }
  if (enabled && (source != blendSource_ || destination != blendDestination_)) {
    glBlendFunc(source, destination);
    blendSource_ = source, blendDestination_ = destination;
  }
}

void GlStateCache::DepthTest(bool enabled, GLenum func) {
  if (depthTest_ != int(enabled)) {
    if (enabled) glEnable(GL_DEPTH_TEST);
    else glDisable(GL_DEPTH_TEST);
    depthTest_ = enabled;
  }
  if (enabled && func != depthFunc_) {
    glDepthFunc(func);
    depthFunc_ = func;
  }
}

void GlStateCache::DepthMask(bool write) {
  if (depthMask_ == int(write)) return;
  glDepthMask(write ? GL_TRUE : GL_FALSE);
  depthMask_ = write;
}

void GlStateCache::Cull(GLenum face) {
  if (cull_ == face) return;
  if (face == GL_NONE) {
    glDisable(GL_CULL_FACE);
  } else {
    if (cull_ == GL_NONE || cull_ == kUnknown) glEnable(GL_CULL_FACE);
    glCullFace(face);
  }
  cull_ = face;
}

void GlStateCache::BindTexture(GLuint name) {
  if (texture_ == name) return;
  glBindTexture(GL_TEXTURE_2D, name);
  texture_ = name;
}

void GlStateCache::SamplerFilters(GLuint sampler, GLenum minFilter, GLenum magFilter) {
  if (minFilter != minFilter_) {
    glSamplerParameteri(sampler, GL_TEXTURE_MIN_FILTER, GLint(minFilter));
    minFilter_ = minFilter;
  }
  if (magFilter != magFilter_) {
    glSamplerParameteri(sampler, GL_TEXTURE_MAG_FILTER, GLint(magFilter));
    magFilter_ = magFilter;
  }
}

void GlStateCache::BindVertexArray(GLuint vao) {
  if (vao_ == vao) return;
  glBindVertexArray(vao);
  vao_ = vao;
}

}  // namespace platform
