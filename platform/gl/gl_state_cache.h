#pragma once
#include "platform/gl/gl_api.h"

namespace platform {

// The GL states the device sets before its draws, remembered so that a state is only sent to
// the GL when it changes: thousands of draws a frame mostly repeat the one before.
class GlStateCache {
 public:
  // Forgets everything: the next call of each setter reaches the GL.
  void Invalidate() { *this = GlStateCache(); }

  void Viewport(GLint x, GLint y, GLsizei w, GLsizei h);
  void Scissor(GLint x, GLint y, GLsizei w, GLsizei h);
  void DepthRange(float nearZ, float farZ);
  void Blend(bool enabled, GLenum source, GLenum destination);
  void DepthTest(bool enabled, GLenum func);
  void DepthMask(bool write);
  // face: GL_NONE for no culling, else the face dropped.
  void Cull(GLenum face);
  void BindTexture(GLuint name);
  void SamplerFilters(GLuint sampler, GLenum minFilter, GLenum magFilter);
  void BindVertexArray(GLuint vao);

  // For code that binds a texture itself (to fill it). Deleting a bound texture binds none
  // behind the cache's back, but a draw can only name that texture's GL name again once a new
  // texture took it, and making one binds it through here.
  void NoteTextureBound(GLuint name) { texture_ = name; }

 private:
  static constexpr GLuint kUnknown = ~0u;
  GLint viewport_[4] = {-1, -1, -1, -1};
  GLint scissor_[4] = {-1, -1, -1, -1};
  float depthRange_[2] = {-1, -1};
  int blend_ = -1;
  GLenum blendSource_ = kUnknown, blendDestination_ = kUnknown;
  int depthTest_ = -1;
  GLenum depthFunc_ = kUnknown;
  int depthMask_ = -1;
  GLenum cull_ = kUnknown;
  GLuint texture_ = kUnknown;
  GLenum minFilter_ = kUnknown, magFilter_ = kUnknown;
  GLuint vao_ = kUnknown;
};

}  // namespace platform
