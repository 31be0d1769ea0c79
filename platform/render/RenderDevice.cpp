#include "platform/render/RenderDevice.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <cstring>

#include "platform/core/Window.h"
#include "platform/render/Buffers.h"
#include "platform/render/MatrixOps.h"
#include "platform/render/PngFile.h"
#include "platform/render/RenderTarget.h"
#include "platform/render/Texture.h"
#include "platform/render/VertexLayout.h"
#include "platform/render/gl/DeviceImpl.h"

namespace platform {
namespace {

// With the upper-left clip origin a triangle that runs clockwise on screen comes out as GL's
// clockwise winding: faces the game calls front are GL_CW ones.
constexpr GLenum kFrontWinding = GL_CW;

GLenum ToGL(CompareFunc f) {
  static const GLenum table[] = {GL_NEVER,   GL_LESS,     GL_EQUAL,  GL_LEQUAL,
                                 GL_GREATER, GL_NOTEQUAL, GL_GEQUAL, GL_ALWAYS};
  return table[static_cast<int>(f)];
}

GLenum ToGL(BlendFactor f) {
  static const GLenum table[] = {GL_ZERO,      GL_ONE,           GL_SRC_COLOR,
                                 GL_ONE_MINUS_SRC_COLOR, GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA,
                                 GL_DST_ALPHA, GL_ONE_MINUS_DST_ALPHA, GL_DST_COLOR,
                                 GL_ONE_MINUS_DST_COLOR};
  return table[static_cast<int>(f)];
}

GLenum ToGL(PrimitiveType t) {
  static const GLenum table[] = {GL_POINTS,    GL_LINES,          GL_LINE_STRIP,
                                 GL_TRIANGLES, GL_TRIANGLE_STRIP, GL_TRIANGLE_FAN};
  return table[static_cast<int>(t)];
}

void SetEnabled(GLenum cap, bool on) { on ? glEnable(cap) : glDisable(cap); }

bool HasExtension(const char* name) {
  GLint count = 0;
  glGetIntegerv(GL_NUM_EXTENSIONS, &count);
  for (GLint i = 0; i < count; ++i) {
    const char* e = reinterpret_cast<const char*>(glGetStringi(GL_EXTENSIONS, static_cast<GLuint>(i)));
    if (e && std::strcmp(e, name) == 0) return true;
  }
  return false;
}

void BindAttributes(const VertexLayout& layout, const uint8_t* base) {
  for (GLuint slot = 0; slot < 8; ++slot) glDisableVertexAttribArray(slot);
  // A vertex without a colour is white, as the game's vertex formats assume.
  glVertexAttrib4f(AttributeSlot(static_cast<int>(VertexSemantic::Color)), 1, 1, 1, 1);
  const auto stride = static_cast<GLsizei>(layout.Stride());
  for (const VertexElement& e : layout.Elements()) {
    GLuint slot = AttributeSlot(static_cast<int>(e.semantic));
    const void* at = reinterpret_cast<const void*>(reinterpret_cast<uintptr_t>(base) + e.offset);
    glEnableVertexAttribArray(slot);
    switch (e.format) {
      case VertexFormat::Float1:
      case VertexFormat::Float2:
      case VertexFormat::Float3:
      case VertexFormat::Float4:
        glVertexAttribPointer(slot, static_cast<int>(e.format) + 1, GL_FLOAT, GL_FALSE, stride, at);
        break;
      case VertexFormat::ColorArgb:
        // A little-endian ARGB word is the bytes B, G, R, A.
        glVertexAttribPointer(slot, GL_BGRA, GL_UNSIGNED_BYTE, GL_TRUE, stride, at);
        break;
      case VertexFormat::UByte4:
        glVertexAttribPointer(slot, 4, GL_UNSIGNED_BYTE, GL_FALSE, stride, at);
        break;
    }
  }
}

}  // namespace

RenderDevice::Impl::~Impl() {
  if (!context) return;
  glDeleteSync(lastFrameDrawn);
  stage0.reset();
  glDeleteBuffers(1, &streamBuffer);
  glDeleteVertexArrays(1, &vao);
  glDeleteFramebuffers(1, &backFramebuffer);
  glDeleteRenderbuffers(1, &backColor);
  glDeleteTextures(1, &depthStencil);
  SDL_GL_DeleteContext(context);
}

GLuint RenderDevice::Impl::TargetFramebuffer() const {
  if (target) return target->Framebuffer();
  return DrawsIntoWindow() ? 0 : backFramebuffer;
}

void RenderDevice::Impl::BindTarget() {
  glBindFramebuffer(GL_FRAMEBUFFER, TargetFramebuffer());
  const bool inWindow = DrawsIntoWindow();
  if (inWindow != originInWindow) {
    originInWindow = inWindow;
    // Clip space keeps its top at the top of the picture: the window's first row is its
    // bottom one, a target's its top one.
    glClipControl(inWindow ? GL_LOWER_LEFT : GL_UPPER_LEFT, GL_ZERO_TO_ONE);
    glPointParameteri(GL_POINT_SPRITE_COORD_ORIGIN, inWindow ? GL_UPPER_LEFT : GL_LOWER_LEFT);
    // The scissor rectangle counts in the new rows.
    stateDirty = true;
  }
  ApplyViewport();
}

int RenderDevice::Impl::GlRow(int top, int rows) const {
  return originInWindow ? height - top - rows : top;
}

void RenderDevice::Impl::EnsureDepthSize(int w, int h) {
  if (w <= depthWidth && h <= depthHeight) return;
  depthWidth = std::max(w, depthWidth);
  depthHeight = std::max(h, depthHeight);
  constexpr GLenum kUploadUnit = GL_TEXTURE0 + 15;
  glActiveTexture(kUploadUnit);
  glBindTexture(GL_TEXTURE_2D, depthStencil);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_DEPTH24_STENCIL8, depthWidth, depthHeight, 0, GL_DEPTH_STENCIL,
               GL_UNSIGNED_INT_24_8, nullptr);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glActiveTexture(GL_TEXTURE0);
}

void RenderDevice::Impl::ApplyViewport() {
  glViewport(viewport.x, GlRow(viewport.y, viewport.height), viewport.width, viewport.height);
  glDepthRange(viewport.minZ, viewport.maxZ);
}

void RenderDevice::Impl::ApplyState() {
  if (!stateDirty) return;
  const RenderState& s = state;
  // The window's own depth buffer holds nothing of the scene: the program tests instead.
  const bool shaderTests = TestsSharedDepthInShader();
  SetEnabled(GL_DEPTH_TEST, s.zEnable && !shaderTests);
  glDepthMask(s.zWrite && !shaderTests ? GL_TRUE : GL_FALSE);
  glDepthFunc(ToGL(s.zFunc));
  SetEnabled(GL_CULL_FACE, s.cull != CullMode::None);
  // Culling counter-clockwise faces keeps the clockwise ones as front faces, and the reverse.
  const GLenum other = kFrontWinding == GL_CW ? GL_CCW : GL_CW;
  glFrontFace(s.cull == CullMode::Clockwise ? other : kFrontWinding);
  glCullFace(GL_BACK);
  SetEnabled(GL_BLEND, s.alphaBlend);
  glBlendFunc(ToGL(s.srcBlend), ToGL(s.destBlend));
  glPolygonMode(GL_FRONT_AND_BACK, s.fill == FillMode::Wireframe ? GL_LINE : GL_FILL);
  SetEnabled(GL_SCISSOR_TEST, s.scissorTest);
  glScissor(s.scissor.left, GlRow(s.scissor.top, s.scissor.Height()), std::max(0, s.scissor.Width()),
            std::max(0, s.scissor.Height()));
  applied = state;
  stateDirty = false;
}

void RenderDevice::Impl::BoundFramesInFlight() {
  GLsync frameBefore = lastFrameDrawn;
  lastFrameDrawn = glFenceSync(GL_SYNC_GPU_COMMANDS_COMPLETE, 0);
  if (!frameBefore) return;
  // A frame takes milliseconds; a driver that takes longer than a second for one is hung, and
  // the game runs on rather than freeze with it.
  constexpr GLuint64 kLongestFrameNs = 1'000'000'000;
  glClientWaitSync(frameBefore, GL_SYNC_FLUSH_COMMANDS_BIT, kLongestFrameNs);
  glDeleteSync(frameBefore);
}

void RenderDevice::Impl::PrepareDraw(const VertexLayout& layout, const void* base) {
  ++stats.drawCalls;
  ApplyState();
  const FixedFunction::SceneDepth sceneDepth{depthStencil, height};
  const GpuProgram* program =
      effectPass ? &effectPass->Bind(state.alphaTest)
                 : &fixed.Prepare(layout, state, transforms, stage0.get(), stage0Sampler,
                                  TestsSharedDepthInShader() ? &sceneDepth : nullptr);
  glUniform4f(program->viewport, static_cast<float>(viewport.x), static_cast<float>(viewport.y),
              static_cast<float>(viewport.width), static_cast<float>(viewport.height));
  const CompareFunc func = state.alphaTest ? state.alphaFunc : CompareFunc::Always;
  glUniform1i(program->alphaFunc, static_cast<int>(func));
  glUniform1f(program->alphaRef, static_cast<float>(state.alphaRef));
  BindAttributes(layout, static_cast<const uint8_t*>(base));
}

RenderDevice::RenderDevice() = default;
RenderDevice::~RenderDevice() = default;

bool RenderDevice::Create(Window& window, const DeviceSettings& settings, std::string* error) {
  auto fail = [&](const std::string& why) {
    if (error) *error = why;
    impl_.reset();
    return false;
  };
  if (impl_) return true;
  if (!window.Handle()) return fail("no window to draw into");
  impl_ = std::make_unique<Impl>();
  Impl& d = *impl_;
  d.window = window.Handle();
  // SDL unloads the GL driver with the last GL window and loads it again for the next one;
  // one extra reference keeps it for the life of the process (the driver's own allocations
  // then stay attributable to it in sanitizer runs).
  static const bool driverPinned = SDL_GL_LoadLibrary(nullptr) == 0;
  (void)driverPinned;
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  d.context = SDL_GL_CreateContext(d.window);
  if (!d.context) return fail(std::string("cannot create an OpenGL 3.3 context: ") + SDL_GetError());
  SDL_GL_MakeCurrent(d.window, d.context);
  SDL_GL_SetSwapInterval(settings.vsync ? 1 : 0);
  if (settings.fullScreen) SDL_SetWindowFullscreen(d.window, SDL_WINDOW_FULLSCREEN);
  GLint major = 0, minor = 0;
  glGetIntegerv(GL_MAJOR_VERSION, &major);
  glGetIntegerv(GL_MINOR_VERSION, &minor);
  if (major * 10 + minor < 45 && !HasExtension("GL_ARB_clip_control"))
    return fail("the OpenGL driver lacks clip control (GL_ARB_clip_control)");
  d.compressedTextures = HasExtension("GL_EXT_texture_compression_s3tc");
  SDL_GetWindowSize(d.window, &d.width, &d.height);
  int drawableWidth = 0, drawableHeight = 0;
  SDL_GL_GetDrawableSize(d.window, &drawableWidth, &drawableHeight);
  d.windowFits = drawableWidth == d.width && drawableHeight == d.height;

  // Screen rows top first and depth 0..1, as the game's maths expects (BindTarget turns the
  // rows round for the window).
  glClipControl(GL_UPPER_LEFT, GL_ZERO_TO_ONE);
  glEnable(GL_PROGRAM_POINT_SIZE);
  // Rows run top-down, so the sprite's top edge is at lower window y.
  glPointParameteri(GL_POINT_SPRITE_COORD_ORIGIN, GL_LOWER_LEFT);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);

  glGenVertexArrays(1, &d.vao);
  glBindVertexArray(d.vao);
  glGenBuffers(1, &d.streamBuffer);
  glGenRenderbuffers(1, &d.backColor);
  glBindRenderbuffer(GL_RENDERBUFFER, d.backColor);
  // The back buffer has no alpha of its own: blending reads destination alpha as 1.
  glRenderbufferStorage(GL_RENDERBUFFER, GL_RGB8, d.width, d.height);
  glGenTextures(1, &d.depthStencil);
  d.EnsureDepthSize(d.width, d.height);
  glGenFramebuffers(1, &d.backFramebuffer);
  glBindFramebuffer(GL_FRAMEBUFFER, d.backFramebuffer);
  glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, d.backColor);
  glFramebufferTexture2D(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_TEXTURE_2D, d.depthStencil, 0);
  if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE)
    return fail("cannot create the back buffer");

  std::string why;
  if (!d.fixed.Build(&why)) return fail("built-in shader failed: " + why);
  for (auto& m : d.transforms) SetIdentity(m);
  d.viewport = Viewport{0, 0, d.width, d.height, 0.0f, 1.0f};
  d.BindTarget();
  d.stateDirty = true;
  d.ApplyState();
  return true;
}

bool RenderDevice::IsCreated() const { return impl_ != nullptr; }
int RenderDevice::BackBufferWidth() const { return impl_->width; }
int RenderDevice::BackBufferHeight() const { return impl_->height; }
bool RenderDevice::HasCompressedTextures() const { return impl_->compressedTextures; }

std::string RenderDevice::RendererName() const {
  const char* r = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
  const char* v = reinterpret_cast<const char*>(glGetString(GL_VERSION));
  return std::string(r ? r : "?") + " (" + (v ? v : "?") + ")";
}

void RenderDevice::Clear(unsigned flags, uint32_t argb, float depth, int stencil) {
  Impl& d = *impl_;
  d.ApplyState();
  // Clear covers the viewport only, and ignores the write masks that drawing uses.
  const Viewport& v = d.viewport;
  IntRect area{v.x, v.y, v.x + v.width, v.y + v.height};
  if (d.state.scissorTest) {
    const IntRect& s = d.state.scissor;
    area = IntRect{std::max(area.left, s.left), std::max(area.top, s.top),
                   std::min(area.right, s.right), std::min(area.bottom, s.bottom)};
  }
  glEnable(GL_SCISSOR_TEST);
  glScissor(area.left, d.GlRow(area.top, area.Height()), std::max(0, area.Width()), std::max(0, area.Height()));
  GLbitfield mask = 0;
  if (flags & ClearTarget) {
    glClearColor(((argb >> 16) & 0xFF) / 255.0f, ((argb >> 8) & 0xFF) / 255.0f,
                 (argb & 0xFF) / 255.0f, ((argb >> 24) & 0xFF) / 255.0f);
    mask |= GL_COLOR_BUFFER_BIT;
  }
  if (flags & ClearDepth) {
    glDepthMask(GL_TRUE);
    glClearDepth(depth);
    mask |= GL_DEPTH_BUFFER_BIT;
  }
  if (flags & ClearStencil) {
    glStencilMask(0xFF);
    glClearStencil(stencil);
    mask |= GL_STENCIL_BUFFER_BIT;
  }
  glClear(mask);
  ++d.stats.clears;
  d.stateDirty = true;
}

void RenderDevice::Present() {
  Impl& d = *impl_;
  int w = d.width, h = d.height;
  SDL_GL_GetDrawableSize(d.window, &w, &h);
  if (!d.windowFits) {
    glBindFramebuffer(GL_READ_FRAMEBUFFER, d.backFramebuffer);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    glDisable(GL_SCISSOR_TEST);
    // The window's rows run bottom-up: turn the image over on the way (scaled if the window's
    // drawable has another size than the back buffer).
    const bool same = w == d.width && h == d.height;
    glBlitFramebuffer(0, 0, d.width, d.height, 0, h, w, 0, GL_COLOR_BUFFER_BIT, same ? GL_NEAREST : GL_LINEAR);
  }
  SDL_GL_SwapWindow(d.window);
  d.BoundFramesInFlight();
  // The next frame draws into the window only if it still fits it.
  d.windowFits = w == d.width && h == d.height;
  d.BindTarget();
  d.stateDirty = true;
}

void RenderDevice::Finish() { glFinish(); }

void RenderDevice::SetSharedDepthInWindow(bool on) {
  impl_->sharedDepthInWindow = on;
  impl_->stateDirty = true;
}

void RenderDevice::SetRenderTarget(RenderTarget* target) {
  Impl& d = *impl_;
  d.target = target;
  d.viewport = Viewport{0, 0, TargetWidth(), TargetHeight(), 0.0f, 1.0f};
  d.BindTarget();
}

RenderTarget* RenderDevice::GetRenderTarget() const { return impl_->target; }
int RenderDevice::TargetWidth() const {
  return impl_->target ? impl_->target->Width() : impl_->width;
}
int RenderDevice::TargetHeight() const {
  return impl_->target ? impl_->target->Height() : impl_->height;
}

void RenderDevice::SetViewport(const Viewport& viewport) {
  impl_->viewport = viewport;
  impl_->ApplyViewport();
}

const Viewport& RenderDevice::GetViewport() const { return impl_->viewport; }

const RenderState& RenderDevice::GetState() const { return impl_->state; }

void RenderDevice::SetState(const RenderState& state) {
  impl_->state = state;
  // Never cleared here: a clear or present may have left GL out of step with `applied`.
  if (!(state == impl_->applied)) impl_->stateDirty = true;
}

void RenderDevice::SetZEnable(bool on) { Change([&](RenderState& s) { s.zEnable = on; }); }
void RenderDevice::SetZWrite(bool on) { Change([&](RenderState& s) { s.zWrite = on; }); }
void RenderDevice::SetCullMode(CullMode mode) { Change([&](RenderState& s) { s.cull = mode; }); }
void RenderDevice::SetAlphaBlend(bool on) { Change([&](RenderState& s) { s.alphaBlend = on; }); }
void RenderDevice::SetFillMode(FillMode mode) { Change([&](RenderState& s) { s.fill = mode; }); }

void RenderDevice::SetBlendFactors(BlendFactor src, BlendFactor dest) {
  Change([&](RenderState& s) {
    s.srcBlend = src;
    s.destBlend = dest;
  });
}

void RenderDevice::SetAlphaTest(bool on, CompareFunc func, uint8_t ref) {
  Change([&](RenderState& s) {
    s.alphaTest = on;
    s.alphaFunc = func;
    s.alphaRef = ref;
  });
}

void RenderDevice::SetScissor(bool on, const IntRect& rect) {
  Change([&](RenderState& s) {
    s.scissorTest = on;
    s.scissor = rect;
  });
}

void RenderDevice::SetTransform(TransformKind kind, const float* matrix) {
  std::memcpy(impl_->transforms[static_cast<int>(kind)], matrix, sizeof(float) * 16);
}

const float* RenderDevice::GetTransform(TransformKind kind) const {
  return impl_->transforms[static_cast<int>(kind)];
}

void RenderDevice::SetTexture(const Texture* texture) {
  impl_->stage0 = texture ? texture->Object() : nullptr;
}

void RenderDevice::DrawPrimitive(PrimitiveType type, const VertexBuffer& vertices,
                                 const VertexLayout& layout, uint32_t startVertex,
                                 uint32_t primitiveCount) {
  const uint32_t count = VertexCountFor(type, primitiveCount);
  if (count == 0 || uint64_t(startVertex) + count > vertices.Size() / layout.Stride()) return;
  glBindBuffer(GL_ARRAY_BUFFER, vertices.Name());
  impl_->PrepareDraw(layout, nullptr);
  glDrawArrays(ToGL(type), static_cast<GLint>(startVertex), static_cast<GLsizei>(count));
}

void RenderDevice::DrawIndexedPrimitive(PrimitiveType type, const VertexBuffer& vertices,
                                        const IndexBuffer& indices, const VertexLayout& layout,
                                        int32_t baseVertex, uint32_t startIndex,
                                        uint32_t primitiveCount) {
  const uint32_t count = VertexCountFor(type, primitiveCount);
  if (count == 0 || uint64_t(startIndex) + count > indices.Count()) return;
  glBindBuffer(GL_ARRAY_BUFFER, vertices.Name());
  glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indices.Name());
  impl_->PrepareDraw(layout, nullptr);
  const size_t indexSize = indices.Is32Bit() ? 4 : 2;
  glDrawElementsBaseVertex(ToGL(type), static_cast<GLsizei>(count),
                           indices.Is32Bit() ? GL_UNSIGNED_INT : GL_UNSIGNED_SHORT,
                           reinterpret_cast<const void*>(startIndex * indexSize), baseVertex);
}

void RenderDevice::DrawPrimitiveUP(PrimitiveType type, const VertexLayout& layout,
                                   const void* vertices, uint32_t primitiveCount) {
  const uint32_t count = VertexCountFor(type, primitiveCount);
  if (count == 0 || !vertices) return;
  glBindBuffer(GL_ARRAY_BUFFER, impl_->streamBuffer);
  glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(count) * layout.Stride(), vertices,
               GL_STREAM_DRAW);
  impl_->PrepareDraw(layout, nullptr);
  glDrawArrays(ToGL(type), 0, static_cast<GLsizei>(count));
}

std::vector<uint8_t> RenderDevice::ReadPixels(const IntRect& rect) const {
  IntRect r{std::max(rect.left, 0), std::max(rect.top, 0), std::min(rect.right, TargetWidth()),
            std::min(rect.bottom, TargetHeight())};
  if (r.Width() <= 0 || r.Height() <= 0) return {};
  const size_t rowBytes = static_cast<size_t>(r.Width()) * 4;
  std::vector<uint8_t> pixels(rowBytes * r.Height());
  glBindFramebuffer(GL_READ_FRAMEBUFFER, impl_->TargetFramebuffer());
  glReadPixels(r.left, impl_->GlRow(r.top, r.Height()), r.Width(), r.Height(), GL_RGBA, GL_UNSIGNED_BYTE,
               pixels.data());
  if (impl_->DrawsIntoWindow()) {
    // The window's rows come bottom first, and what alpha it may store is none of the back
    // buffer's.
    for (int top = 0, bottom = r.Height() - 1; top < bottom; ++top, --bottom)
      std::swap_ranges(pixels.begin() + top * rowBytes, pixels.begin() + (top + 1) * rowBytes,
                       pixels.begin() + bottom * rowBytes);
    for (size_t i = 3; i < pixels.size(); i += 4) pixels[i] = 255;
  }
  return pixels;
}

const RenderStats& RenderDevice::Stats() const { return impl_->stats; }

bool RenderDevice::SaveScreenshot(const std::string& path) const {
  const int w = TargetWidth(), h = TargetHeight();
  std::vector<uint8_t> pixels = ReadPixels(IntRect{0, 0, w, h});
  if (pixels.empty()) return false;
  return WritePng(path, w, h, pixels, /*withAlpha=*/impl_->target != nullptr);
}

}  // namespace platform
