#pragma once
#include <memory>
#include <string>

#include "platform/render/Texture.h"

namespace platform {

class RenderDevice;

enum class TargetDepth {
  Shared,  // the back buffer's depth-stencil (grown when the target is larger)
  Own,     // a depth-stencil buffer of the target's own
  None,
};

// A colour texture (RGBA8, one level) that can be drawn into with RenderDevice::SetRenderTarget
// and then sampled like any texture. Destroying the current target makes the back buffer
// current again.
class RenderTarget {
 public:
  static std::unique_ptr<RenderTarget> Create(RenderDevice& device, int width, int height,
                                              TargetDepth depth, std::string* error);
  ~RenderTarget();
  RenderTarget(const RenderTarget&) = delete;
  RenderTarget& operator=(const RenderTarget&) = delete;

  int Width() const { return texture_->Width(); }
  int Height() const { return texture_->Height(); }
  const Texture& GetTexture() const { return *texture_; }
  unsigned Framebuffer() const { return framebuffer_; }

 private:
  explicit RenderTarget(RenderDevice& device) : device_(device) {}
  RenderDevice& device_;
  std::unique_ptr<Texture> texture_;
  unsigned framebuffer_ = 0;
  unsigned ownDepth_ = 0;
};

}  // namespace platform
