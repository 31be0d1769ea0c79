#pragma once
// The device's insides, shared by the render layer's own files (effects, sprites, targets).
#include <SDL2/SDL.h>

#include <memory>

#include "platform/render/RenderDevice.h"
#include "platform/render/gl/FixedFunction.h"
#include "platform/render/gl/GLApi.h"
#include "platform/render/gl/TextureObject.h"

namespace platform {

struct RenderDevice::Impl {
  SDL_Window* window = nullptr;
  SDL_GLContext context = nullptr;
  int width = 0;
  int height = 0;
  bool compressedTextures = false;

  GLuint vao = 0;
  GLuint streamBuffer = 0;  // vertices drawn from memory
  GLuint backFramebuffer = 0;
  GLuint backColor = 0;
  GLuint depthStencil = 0;  // shared by the back buffer and render targets made with it
  int depthWidth = 0;
  int depthHeight = 0;

  RenderTarget* target = nullptr;
  Viewport viewport;
  RenderState state;
  RenderState applied;
  bool stateDirty = true;
  float transforms[3][16] = {};
  std::shared_ptr<TextureObject> stage0;
  GLuint stage0Sampler = 0;  // 0: the texture's own filtering and wrapping

  // The open effect pass, which hands each draw the program for the draw's alpha-test state
  // with the effect's parameters in it.
  struct EffectPass {
    virtual const GpuProgram& Bind(bool alphaTest) = 0;

   protected:
    ~EffectPass() = default;
  };

  FixedFunction fixed;
  // Null draws through the fixed-function emulation.
  EffectPass* effectPass = nullptr;
  RenderStats stats;

  ~Impl();

  GLuint TargetFramebuffer() const;
  // Grows the shared depth-stencil buffer so that a target of this size can use it.
  void EnsureDepthSize(int width, int height);
  void ApplyState();
  void ApplyViewport();
  // Everything a draw needs before the GL call: state, program, uniforms and vertex arrays
  // read from `base` (a buffer offset, or a pointer into the stream buffer).
  void PrepareDraw(const VertexLayout& layout, const void* base);
};

}  // namespace platform
