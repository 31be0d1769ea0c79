#pragma once
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "platform/render/RenderTypes.h"

// What one vertex holds and where, as the game's vertex formats describe it. Each semantic has a
// fixed attribute slot that shaders read (see EffectProgram.h: inPosition, inNormal, ...).
namespace platform {

enum class VertexSemantic {
  Position,          // x, y, z in world or object space
  ScreenPosition,    // x, y in pixels, z depth 0..1, rhw = 1 / w: already transformed
  Normal,
  Color,             // diffuse colour
  TexCoord0,
  TexCoord1,
  BlendWeights,
  BlendIndices,
  PointSize,
};

enum class VertexFormat { Float1, Float2, Float3, Float4, ColorArgb, UByte4 };

struct VertexElement {
  VertexSemantic semantic;
  VertexFormat format;
  uint32_t offset;
};

class VertexLayout {
 public:
  VertexLayout(std::initializer_list<VertexElement> elements, uint32_t stride);

  uint32_t Stride() const { return stride_; }
  const std::vector<VertexElement>& Elements() const { return elements_; }
  bool Has(VertexSemantic semantic) const;

  // The formats the game draws with.
  static const VertexLayout& PositionColor();          // xyz, ARGB: 16 bytes (debug lines)
  static const VertexLayout& PositionTexture();        // xyz, uv: 20 bytes (shadow quads)
  static const VertexLayout& PositionNormalTexture();  // xyz, normal, uv: 32 bytes (meshes)
  static const VertexLayout& PointSprite();            // xyz, size, ARGB: 20 bytes (particles)
  static const VertexLayout& ScreenTexture();          // xyz rhw, uv: 24 bytes (full-screen quad)
  static const VertexLayout& ScreenColorTexture();     // xyz rhw, ARGB, uv: 28 bytes (sprites)

 private:
  std::vector<VertexElement> elements_;
  uint32_t stride_;
};

// How many vertices (or indices) `primitiveCount` primitives of a type use.
uint32_t VertexCountFor(PrimitiveType type, uint32_t primitiveCount);

}  // namespace platform
