#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/render/RenderStats.h"
#include "platform/render/RenderTypes.h"

namespace platform {

class Window;
class Texture;
class RenderTarget;
class VertexBuffer;
class IndexBuffer;
class VertexLayout;

struct DeviceSettings {
  bool vsync = false;       // present on vertical retrace
  bool fullScreen = false;  // the window takes the screen at its own size
};

// The drawing device: an OpenGL 3.3 core context on the game window, used with the conventions
// the game's graphics code was written for. The back buffer (colour plus 24-bit depth and
// 8-bit stencil, of the window's size, without alpha of its own) is the window itself, or,
// while the window's drawable has another size, an off-screen buffer sharing the depth-stencil
// buffer of the render targets made with TargetDepth::Shared, which Present scales into the
// window. Screen-space pixels,
// viewports, scissor rectangles, texture coordinates and read-backs all count from the
// top-left corner, and a render target's first row is the top of its picture. Depth runs
// 0 (near) to 1 (far). A triangle whose vertices run clockwise on screen faces the viewer.
// Pixel centres lie at half-integer coordinates: a screen quad from (0, 0) to (w, h) covers
// exactly w x h pixels and samples texel centres, so sprites and text come out sharp (the
// original device's centres were at whole numbers, which blurred them by half a texel).
//
// Drawing without an effect pass open uses the built-in fixed-function emulation: positions go
// through world * view * projection (or are taken as screen pixels for ScreenPosition layouts),
// the vertex colour (white when absent) is multiplied by the stage-0 texture when one is set,
// then the alpha test applies. With point sprites on, points are textured squares.
//
// Every texture, target, buffer, effect, sprite batch and font must be destroyed before the
// device. Main thread only.
class RenderDevice {
 public:
  struct Impl;

  RenderDevice();
  ~RenderDevice();
  RenderDevice(const RenderDevice&) = delete;
  RenderDevice& operator=(const RenderDevice&) = delete;

  // Creates the context on the window (opened with Window::Create) and the back buffer of the
  // window's size. On failure returns false with a reason in `error`; the caller reports it and
  // ends the program.
  bool Create(Window& window, const DeviceSettings& settings, std::string* error);
  bool IsCreated() const;

  int BackBufferWidth() const;
  int BackBufferHeight() const;
  std::string RendererName() const;
  // True when DXT textures are handed to the driver compressed (else they are decoded first).
  bool HasCompressedTextures() const;

  // Clears the current viewport of the current target (within the scissor rectangle when the
  // scissor test is on), whatever the depth-write state. `flags` from ClearFlags.
  void Clear(unsigned flags, uint32_t argb, float depth, int stencil);
  // Shows the back buffer in the window. Under the offscreen video driver nothing is shown.
  // Returns once the frame before this one is drawn: the driver never has more than this frame
  // and the next in hand, whatever the window shows.
  void Present();
  // While on, built-in drawing into the window with the depth test on is tested against the
  // depth-stencil buffer shared with the render targets (TargetDepth::Shared), as drawing into
  // the off-screen back buffer would be: what a scene drew into such a target hides it. Such
  // drawing writes no depth; effects drawn meanwhile are not depth-tested.
  void SetSharedDepthInWindow(bool on);
  // Waits until everything asked of the device so far is drawn, the present included: for
  // measurements (a frame's work ends here, not where the calls return).
  void Finish();

  // Render target 0: a target's texture, or the back buffer for null. Resets the viewport to
  // the whole of the new target.
  void SetRenderTarget(RenderTarget* target);
  RenderTarget* GetRenderTarget() const;
  int TargetWidth() const;
  int TargetHeight() const;

  void SetViewport(const Viewport& viewport);
  const Viewport& GetViewport() const;

  // Render states, applied lazily at the next draw or clear.
  const RenderState& GetState() const;
  void SetState(const RenderState& state);
  void SetZEnable(bool on);
  void SetZWrite(bool on);
  void SetCullMode(CullMode mode);
  void SetAlphaBlend(bool on);
  void SetBlendFactors(BlendFactor src, BlendFactor dest);
  void SetAlphaTest(bool on, CompareFunc func, uint8_t ref);
  void SetFillMode(FillMode mode);
  void SetScissor(bool on, const IntRect& rect);

  // Fixed-function transforms (16 floats, row-major, row vectors) and the stage-0 texture.
  void SetTransform(TransformKind kind, const float* matrix);
  const float* GetTransform(TransformKind kind) const;
  void SetTexture(const Texture* texture);

  // Draws `primitiveCount` primitives from a buffer, beginning at vertex `startVertex`.
  void DrawPrimitive(PrimitiveType type, const VertexBuffer& vertices, const VertexLayout& layout,
                     uint32_t startVertex, uint32_t primitiveCount);
  // Indexed draw; `baseVertex` is added to every index.
  void DrawIndexedPrimitive(PrimitiveType type, const VertexBuffer& vertices,
                            const IndexBuffer& indices, const VertexLayout& layout,
                            int32_t baseVertex, uint32_t startIndex, uint32_t primitiveCount);
  // Draws vertices straight from memory (debug lines, shadow quads, sprites).
  void DrawPrimitiveUP(PrimitiveType type, const VertexLayout& layout, const void* vertices,
                       uint32_t primitiveCount);

  // Pixels of the current target inside `rect` (clipped to the target), RGBA, top row first.
  std::vector<uint8_t> ReadPixels(const IntRect& rect) const;
  // Saves render target 0 whole as PNG (opaque for the back buffer). False when it cannot be
  // written.
  bool SaveScreenshot(const std::string& path) const;

  // What the device has drawn so far, for measurements.
  const RenderStats& Stats() const;

  Impl* Internals() const { return impl_.get(); }

 private:
  template <class Edit>
  void Change(Edit edit) {
    RenderState s = GetState();
    edit(s);
    SetState(s);
  }

  std::unique_ptr<Impl> impl_;
};

}  // namespace platform
