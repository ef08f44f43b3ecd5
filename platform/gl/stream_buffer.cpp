#include "platform/gl/stream_buffer.h"

namespace platform {

bool StreamBuffer::Init(size_t bytes) {
  glGenBuffers(1, &name_);
  glBindBuffer(GL_ARRAY_BUFFER, name_);
  glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(bytes), nullptr, GL_STREAM_DRAW);
  size_ = bytes;
  used_ = 0;
  return name_ != 0;
}

void StreamBuffer::Release() {
  if (name_) glDeleteBuffers(1, &name_);
  name_ = 0;
}

bool StreamBuffer::Append(const void* data, size_t bytes, size_t stride, size_t& offset) {
  if (bytes > size_) return false;
  size_t start = (used_ + stride - 1) / stride * stride;
  glBindBuffer(GL_ARRAY_BUFFER, name_);
  if (start + bytes > size_) {
    glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(size_), nullptr, GL_STREAM_DRAW);
    start = 0;
  }
  glBufferSubData(GL_ARRAY_BUFFER, GLintptr(start), GLsizeiptr(bytes), data);
  used_ = start + bytes;
  offset = start;
  return true;
}

}  // namespace platform
