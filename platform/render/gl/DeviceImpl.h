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
  GLuint backFramebuffer = 0;  // the off-screen back buffer
  GLuint backColor = 0;
  // A texture shared by the off-screen back buffer and render targets made with it, which the
  // built-in program reads while drawing into the window with sharedDepthInWindow on.
  GLuint depthStencil = 0;
  int depthWidth = 0;
  int depthHeight = 0;

  RenderTarget* target = nullptr;
  // Whether the window can be the back buffer: only while its drawable has the back buffer's
  // size.
  bool windowFits = false;
  bool sharedDepthInWindow = false;
  // The window's rows run bottom-up where the targets' run top-down: the clip-space origin
  // and what counts in window rows follow the framebuffer drawn into.
  bool originInWindow = false;
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
  // Signalled once the driver has drawn the last frame presented. Nothing else bounds how many
  // frames it keeps queued: where the present shows nothing (the offscreen driver) it copies
  // nothing either, and the frames pile up in memory faster than the software driver draws them.
  GLsync lastFrameDrawn = nullptr;

  ~Impl();

  GLuint TargetFramebuffer() const;
  bool DrawsIntoWindow() const { return !target && windowFits; }
  // Whether the depth test of the draws to come is the built-in program's, against the shared
  // depth buffer, instead of GL's.
  bool TestsSharedDepthInShader() const { return sharedDepthInWindow && state.zEnable && DrawsIntoWindow(); }
  // Binds the current target and sets the clip-space origin, point-sprite origin and viewport
  // for it.
  void BindTarget();
  // Rows of a rectangle counted from the top, as GL counts them in the current framebuffer.
  int GlRow(int top, int height) const;
  // Grows the shared depth-stencil buffer so that a target of this size can use it.
  void EnsureDepthSize(int width, int height);
  void ApplyState();
  void ApplyViewport();
  // Marks the end of the frame just presented and waits until the one before it is drawn: at
  // most the frame presented and the one being built are in the driver's hands.
  void BoundFramesInFlight();
  // Everything a draw needs before the GL call: state, program, uniforms and vertex arrays
  // read from `base` (a buffer offset, or a pointer into the stream buffer).
  void PrepareDraw(const VertexLayout& layout, const void* base);
};

}  // namespace platform
