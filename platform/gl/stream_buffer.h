#pragma once
#include "platform/gl/gl_api.h"

#include <cstddef>

namespace platform {

// A vertex buffer that many small draws append to: each draw's data goes after the last one's,
// and when the buffer is full its storage is orphaned (the GL keeps the old storage for the
// draws still reading it) and filling starts again at the beginning. One upload a draw into
// storage made once, instead of new storage for every draw.
class StreamBuffer {
 public:
  bool Init(size_t bytes);
  void Release();
  GLuint name() const { return name_; }

  // Copies the data in (the buffer is left bound to GL_ARRAY_BUFFER) and returns the byte
  // offset it starts at, a multiple of the stride; false when it is larger than the buffer.
  bool Append(const void* data, size_t bytes, size_t stride, size_t& offset);

 private:
  GLuint name_ = 0;
  size_t size_ = 0;
  size_t used_ = 0;
};

}  // namespace platform
