#pragma once
#include <cstddef>
#include <cstdint>

namespace platform {

class RenderDevice;

enum class BufferUsage {
  Static,   // written once, drawn many times (meshes, the full-screen quad)
  Dynamic,  // rewritten every frame (particles)
};

// Vertex memory on the GPU. Write stands in for lock/copy/unlock; `discard` drops the old
// contents first so that the GPU need not finish drawing with them.
class VertexBuffer {
 public:
  VertexBuffer(RenderDevice& device, size_t bytes, BufferUsage usage,
               const void* initial = nullptr);
  ~VertexBuffer();
  VertexBuffer(const VertexBuffer&) = delete;
  VertexBuffer& operator=(const VertexBuffer&) = delete;

  size_t Size() const { return size_; }
  // False (and nothing written) when the range does not fit the buffer.
  bool Write(size_t offset, const void* data, size_t bytes, bool discard = false);
  unsigned Name() const { return name_; }

 private:
  unsigned name_ = 0;
  size_t size_;
  BufferUsage usage_;
};

class IndexBuffer {
 public:
  IndexBuffer(RenderDevice& device, size_t count, bool indices32, BufferUsage usage,
              const void* initial = nullptr);
  ~IndexBuffer();
  IndexBuffer(const IndexBuffer&) = delete;
  IndexBuffer& operator=(const IndexBuffer&) = delete;

  size_t Count() const { return count_; }
  bool Is32Bit() const { return indices32_; }
  // Writes `count` indices from index `first`; false when they do not fit.
  bool Write(size_t first, const void* indices, size_t count, bool discard = false);
  unsigned Name() const { return name_; }

 private:
  unsigned name_ = 0;
  size_t count_;
  bool indices32_;
  BufferUsage usage_;
};

}  // namespace platform
