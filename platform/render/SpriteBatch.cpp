#include "platform/render/SpriteBatch.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "platform/render/MatrixOps.h"
#include "platform/render/Texture.h"
#include "platform/render/VertexLayout.h"
#include "platform/render/gl/DeviceImpl.h"

namespace platform {
namespace {

struct SpriteVertex {
  float x, y, z, rhw;  // rhw only used by screen sprites
  uint32_t argb;
  float u, v;
};

struct WorldVertex {
  float x, y, z;
  uint32_t argb;
  float u, v;
};

const VertexLayout& WorldLayout() {
  static const VertexLayout layout({{VertexSemantic::Position, VertexFormat::Float3, 0},
                                    {VertexSemantic::Color, VertexFormat::ColorArgb, 12},
                                    {VertexSemantic::TexCoord0, VertexFormat::Float2, 16}},
                                   24);
  return layout;
}

struct Sprite {
  std::shared_ptr<TextureObject> texture;
  SpriteVertex corners[4];  // top-left, top-right, bottom-left, bottom-right
  // An opaque texture, untinted in alpha, laid texel for pixel on the screen: blending would
  // give back its own colours and every read lands on a texel centre, so it is drawn without
  // blending and read point-wise, much the cheaper on the software driver.
  bool plain = false;
};

bool IsWhole(float v) { return std::floor(v) == v; }

// The screen quad maps its source texels one to one onto whole pixels.
bool IsTexelForPixel(const SpriteVertex (&c)[4], const IntRect& source) {
  return IsWhole(c[0].x) && IsWhole(c[0].y) && c[1].y == c[0].y && c[2].x == c[0].x &&
         c[1].x - c[0].x == float(source.Width()) && c[2].y - c[0].y == float(source.Height()) &&
         c[3].x == c[1].x && c[3].y == c[2].y;
}

void Transform(const float* m, float x, float y, float z, float w, float out[4]) {
  for (int c = 0; c < 4; ++c) out[c] = x * m[c] + y * m[4 + c] + z * m[8 + c] + w * m[12 + c];
}

// The two triangles of each quad, clockwise on screen.
template <class V>
void AppendQuad(std::vector<V>& out, const V (&q)[4]) {
  for (int i : {0, 1, 2, 2, 1, 3}) out.push_back(q[i]);
}

}  // namespace

struct SpriteBatch::Impl {
  RenderDevice& device;
  bool open = false;
  unsigned flags = 0;
  float transform[16];
  float world[16];
  float view[16];
  std::vector<Sprite> sprites;
  // Vertex scratch space, kept between flushes so a steady frame asks nothing of the heap.
  std::vector<SpriteVertex> screenVertices;
  std::vector<WorldVertex> worldVertices;
  GLuint clampSampler = 0;
  GLuint pointSampler = 0;  // for plain sprites

  explicit Impl(RenderDevice& d) : device(d) {
    SetIdentity(transform);
    SetIdentity(world);
    SetIdentity(view);
    clampSampler = MakeSampler(GL_LINEAR_MIPMAP_LINEAR, GL_LINEAR);
    pointSampler = MakeSampler(GL_NEAREST, GL_NEAREST);
  }
  ~Impl() {
    glDeleteSamplers(1, &clampSampler);
    glDeleteSamplers(1, &pointSampler);
  }

  static GLuint MakeSampler(GLint minFilter, GLint magFilter) {
    GLuint sampler = 0;
    glGenSamplers(1, &sampler);
    glSamplerParameteri(sampler, GL_TEXTURE_MIN_FILTER, minFilter);
    glSamplerParameteri(sampler, GL_TEXTURE_MAG_FILTER, magFilter);
    glSamplerParameteri(sampler, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glSamplerParameteri(sampler, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    return sampler;
  }

  void DrawRun(size_t first, size_t last, const RenderState& blended);
};

void SpriteBatch::Impl::DrawRun(size_t first, size_t last, const RenderState& blended) {
  const bool billboard = flags & SpriteBillboard;
  RenderState state = blended;
  const bool plain = sprites[first].plain;
  if (plain) {
    state.alphaBlend = false;
    state.alphaTest = false;
  }
  device.SetState(state);
  const GLuint sampler = plain ? pointSampler : clampSampler;
  glBindSampler(0, sampler);
  device.Internals()->stage0Sampler = sampler;
  device.SetTexture(nullptr);
  device.Internals()->stage0 = sprites[first].texture;
  const auto count = static_cast<uint32_t>((last - first) * 2);
  RenderStats& stats = device.Internals()->stats;
  stats.spritesDrawn += last - first;
  ++stats.spriteTextureChanges;
  if (!billboard) {
    std::vector<SpriteVertex>& vertices = screenVertices;
    vertices.clear();
    for (size_t i = first; i < last; ++i) AppendQuad(vertices, sprites[i].corners);
    device.DrawPrimitiveUP(PrimitiveType::TriangleList, VertexLayout::ScreenColorTexture(),
                           vertices.data(), count);
    return;
  }
  std::vector<WorldVertex>& vertices = worldVertices;
  vertices.clear();
  for (size_t i = first; i < last; ++i) {
    WorldVertex q[4];
    for (int c = 0; c < 4; ++c) {
      const SpriteVertex& s = sprites[i].corners[c];
      q[c] = WorldVertex{s.x, s.y, s.z, s.argb, s.u, s.v};
    }
    AppendQuad(vertices, q);
  }
  device.DrawPrimitiveUP(PrimitiveType::TriangleList, WorldLayout(), vertices.data(), count);
}

SpriteBatch::SpriteBatch(RenderDevice& device) : impl_(std::make_unique<Impl>(device)) {}
SpriteBatch::~SpriteBatch() = default;

void SpriteBatch::SetWorldView(const float* world, const float* view) {
  std::memcpy(impl_->world, world, sizeof impl_->world);
  std::memcpy(impl_->view, view, sizeof impl_->view);
}

bool SpriteBatch::Begin(unsigned flags) {
  if (impl_->open) return false;
  impl_->open = true;
  impl_->flags = flags;
  return true;
}

void SpriteBatch::SetTransform(const float* matrix) {
  std::memcpy(impl_->transform, matrix, sizeof impl_->transform);
}

const float* SpriteBatch::GetTransform() const { return impl_->transform; }

bool SpriteBatch::IsOpen() const { return impl_->open; }

void SpriteBatch::Draw(const Texture& texture, const IntRect* source, const Float3* centre,
                       const Float3* position, uint32_t argb) {
  if (!impl_->open) return;
  const IntRect r = source ? *source : IntRect{0, 0, texture.Width(), texture.Height()};
  const Float3 c = centre ? *centre : Float3{};
  const Float3 p = position ? *position : Float3{};
  const float tw = float(std::max(1, texture.Width())), th = float(std::max(1, texture.Height()));
  const float* m = impl_->transform;
  Sprite sprite{texture.Object(), {}};
  float origin[4] = {0, 0, 0, 1};
  if (impl_->flags & SpriteBillboard) {
    float worldView[16];
    MultiplyMatrices(impl_->world, impl_->view, worldView);
    Transform(m, 0, 0, 0, 1, origin);
    float placed[4];
    Transform(worldView, origin[0], origin[1], origin[2], 1, placed);
    std::memcpy(origin, placed, sizeof origin);
  }
  for (int i = 0; i < 4; ++i) {
    const float px = float(i & 1 ? r.Width() : 0), py = float(i & 2 ? r.Height() : 0);
    const float x = px - c.x + p.x, y = py - c.y + p.y, z = p.z - c.z;
    SpriteVertex& v = sprite.corners[i];
    v.argb = argb;
    v.u = float(r.left + px) / tw;
    v.v = float(r.top + py) / th;
    v.rhw = 1.0f;
    if (impl_->flags & SpriteBillboard) {
      // Only the transform's scale and rotation act on the offset; it lies in the view plane
      // with texture rows running down the screen.
      float d[4];
      Transform(m, x, y, z, 0, d);
      v.x = origin[0] + d[0];
      v.y = origin[1] - d[1];
      v.z = origin[2];
    } else {
      float s[4];
      Transform(m, x, y, z, 1, s);
      v.x = s[0];
      v.y = s[1];
      v.z = std::clamp(s[2], 0.0f, 1.0f);
    }
  }
  sprite.plain = !(impl_->flags & SpriteBillboard) && argb >> 24 == 0xFF && sprite.texture->opaque &&
                 IsTexelForPixel(sprite.corners, r);
  impl_->sprites.push_back(std::move(sprite));
}

void SpriteBatch::Flush() {
  Impl& b = *impl_;
  if (b.sprites.empty()) return;
  RenderDevice::Impl& d = *b.device.Internals();
  const RenderState savedState = d.state;
  float savedTransforms[3][16];
  std::memcpy(savedTransforms, d.transforms, sizeof savedTransforms);
  const std::shared_ptr<TextureObject> savedTexture = d.stage0;

  RenderState s = savedState;
  s.cull = CullMode::None;
  s.alphaBlend = b.flags & SpriteAlphaBlend;
  s.srcBlend = BlendFactor::SrcAlpha;
  s.destBlend = BlendFactor::InvSrcAlpha;
  s.alphaTest = s.alphaBlend;
  s.alphaFunc = CompareFunc::Greater;
  s.alphaRef = 0;
  s.fill = FillMode::Solid;
  s.pointSprite = false;
  if (!(b.flags & SpriteBillboard)) s.zEnable = false;
  float identity[16];
  SetIdentity(identity);
  b.device.SetTransform(TransformKind::World, identity);
  b.device.SetTransform(TransformKind::View, identity);

  if (b.flags & SpriteSortTexture)
    std::stable_sort(b.sprites.begin(), b.sprites.end(), [](const Sprite& l, const Sprite& r) {
      return l.texture->id < r.texture->id;
    });
  for (size_t first = 0; first < b.sprites.size();) {
    size_t last = first + 1;
    while (last < b.sprites.size() && b.sprites[last].texture == b.sprites[first].texture &&
           b.sprites[last].plain == b.sprites[first].plain)
      ++last;
    b.DrawRun(first, last, s);
    first = last;
  }
  b.sprites.clear();

  d.stage0Sampler = 0;
  b.device.SetState(savedState);
  std::memcpy(d.transforms, savedTransforms, sizeof savedTransforms);
  d.stage0 = savedTexture;
}

void SpriteBatch::End() {
  if (!impl_->open) return;
  Flush();
  impl_->open = false;
}

}  // namespace platform
