#include "platform/render/Buffers.h"

#include "platform/render/gl/GLApi.h"

namespace platform {
namespace {

GLenum ToGL(BufferUsage usage) {
  return usage == BufferUsage::Dynamic ? GL_DYNAMIC_DRAW : GL_STATIC_DRAW;
}

GLuint MakeBuffer(GLenum target, size_t bytes, BufferUsage usage, const void* initial) {
  GLuint name = 0;
  glGenBuffers(1, &name);
  glBindBuffer(target, name);
  glBufferData(target, static_cast<GLsizeiptr>(bytes), initial, ToGL(usage));
  return name;
}

bool WriteBuffer(GLenum target, GLuint name, size_t size, BufferUsage usage, size_t offset,
                 const void* data, size_t bytes, bool discard) {
  if (!data || offset > size || bytes > size - offset) return false;
  glBindBuffer(target, name);
  if (discard) glBufferData(target, static_cast<GLsizeiptr>(size), nullptr, ToGL(usage));
  glBufferSubData(target, static_cast<GLintptr>(offset), static_cast<GLsizeiptr>(bytes), data);
  return true;
}

}  // namespace

VertexBuffer::VertexBuffer(RenderDevice&, size_t bytes, BufferUsage usage, const void* initial)
    : size_(bytes), usage_(usage) {
  name_ = MakeBuffer(GL_ARRAY_BUFFER, bytes, usage, initial);
}

VertexBuffer::~VertexBuffer() { glDeleteBuffers(1, &name_); }

bool VertexBuffer::Write(size_t offset, const void* data, size_t bytes, bool discard) {
  return WriteBuffer(GL_ARRAY_BUFFER, name_, size_, usage_, offset, data, bytes, discard);
}

IndexBuffer::IndexBuffer(RenderDevice&, size_t count, bool indices32, BufferUsage usage,
                         const void* initial)
    : count_(count), indices32_(indices32), usage_(usage) {
  // Bound through the array target: an element buffer binding would stick to the vertex array.
  name_ = MakeBuffer(GL_ARRAY_BUFFER, count * (indices32 ? 4 : 2), usage, initial);
}

IndexBuffer::~IndexBuffer() { glDeleteBuffers(1, &name_); }

bool IndexBuffer::Write(size_t first, const void* indices, size_t count, bool discard) {
  const size_t unit = indices32_ ? 4 : 2;
  if (first > count_ || count > count_ - first) return false;
  return WriteBuffer(GL_ARRAY_BUFFER, name_, count_ * unit, usage_, first * unit, indices,
                     count * unit, discard);
}

}  // namespace platform
