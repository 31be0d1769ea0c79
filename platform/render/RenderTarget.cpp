#include "platform/render/RenderTarget.h"

#include "platform/render/ImageData.h"
#include "platform/render/gl/DeviceImpl.h"

namespace platform {

std::unique_ptr<RenderTarget> RenderTarget::Create(RenderDevice& device, int width, int height,
                                                   TargetDepth depth, std::string* error) {
  if (width <= 0 || height <= 0 || width > kMaxTextureSize || height > kMaxTextureSize) {
    if (error) *error = "impossible render target size";
    return nullptr;
  }
  RenderDevice::Impl& d = *device.Internals();
  auto object = std::make_shared<TextureObject>();
  object->width = width;
  object->height = height;
  object->BindForUpload();
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  glActiveTexture(GL_TEXTURE0);

  std::unique_ptr<RenderTarget> target(new RenderTarget(device));
  target->texture_ = std::make_unique<Texture>(object);
  glGenFramebuffers(1, &target->framebuffer_);
  glBindFramebuffer(GL_FRAMEBUFFER, target->framebuffer_);
  glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, object->id, 0);
  if (depth == TargetDepth::Shared) {
    d.EnsureDepthSize(width, height);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_TEXTURE_2D, d.depthStencil, 0);
  } else if (depth == TargetDepth::Own) {
    glGenRenderbuffers(1, &target->ownDepth_);
    glBindRenderbuffer(GL_RENDERBUFFER, target->ownDepth_);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, width, height);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER, target->ownDepth_);
  }
  const bool complete = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
  glBindFramebuffer(GL_FRAMEBUFFER, d.TargetFramebuffer());
  if (!complete) {
    if (error) *error = "render target is not usable by the driver";
    return nullptr;
  }
  return target;
}

RenderTarget::~RenderTarget() {
  if (device_.IsCreated() && device_.GetRenderTarget() == this) device_.SetRenderTarget(nullptr);
  glDeleteFramebuffers(1, &framebuffer_);
  if (ownDepth_) glDeleteRenderbuffers(1, &ownDepth_);
}

}  // namespace platform
