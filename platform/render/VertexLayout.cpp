#include "platform/render/VertexLayout.h"

#include <algorithm>

namespace platform {

VertexLayout::VertexLayout(std::initializer_list<VertexElement> elements, uint32_t stride)
    : elements_(elements), stride_(stride) {}

bool VertexLayout::Has(VertexSemantic semantic) const {
  return std::any_of(elements_.begin(), elements_.end(),
                     [&](const VertexElement& e) { return e.semantic == semantic; });
}

const VertexLayout& VertexLayout::PositionColor() {
  static const VertexLayout layout({{VertexSemantic::Position, VertexFormat::Float3, 0},
                                    {VertexSemantic::Color, VertexFormat::ColorArgb, 12}},
                                   16);
  return layout;
}

const VertexLayout& VertexLayout::PositionTexture() {
  static const VertexLayout layout({{VertexSemantic::Position, VertexFormat::Float3, 0},
                                    {VertexSemantic::TexCoord0, VertexFormat::Float2, 12}},
                                   20);
  return layout;
}

const VertexLayout& VertexLayout::PositionNormalTexture() {
  static const VertexLayout layout({{VertexSemantic::Position, VertexFormat::Float3, 0},
                                    {VertexSemantic::Normal, VertexFormat::Float3, 12},
                                    {VertexSemantic::TexCoord0, VertexFormat::Float2, 24}},
                                   32);
  return layout;
}

const VertexLayout& VertexLayout::PointSprite() {
  static const VertexLayout layout({{VertexSemantic::Position, VertexFormat::Float3, 0},
                                    {VertexSemantic::PointSize, VertexFormat::Float1, 12},
                                    {VertexSemantic::Color, VertexFormat::ColorArgb, 16}},
                                   20);
  return layout;
}

const VertexLayout& VertexLayout::ScreenTexture() {
  static const VertexLayout layout({{VertexSemantic::ScreenPosition, VertexFormat::Float4, 0},
                                    {VertexSemantic::TexCoord0, VertexFormat::Float2, 16}},
                                   24);
  return layout;
}

const VertexLayout& VertexLayout::ScreenColorTexture() {
  static const VertexLayout layout({{VertexSemantic::ScreenPosition, VertexFormat::Float4, 0},
                                    {VertexSemantic::Color, VertexFormat::ColorArgb, 16},
                                    {VertexSemantic::TexCoord0, VertexFormat::Float2, 20}},
                                   28);
  return layout;
}

uint32_t VertexCountFor(PrimitiveType type, uint32_t primitiveCount) {
  if (primitiveCount == 0) return 0;
  switch (type) {
    case PrimitiveType::PointList: return primitiveCount;
    case PrimitiveType::LineList: return primitiveCount * 2;
    case PrimitiveType::LineStrip: return primitiveCount + 1;
    case PrimitiveType::TriangleList: return primitiveCount * 3;
    case PrimitiveType::TriangleStrip:
    case PrimitiveType::TriangleFan: return primitiveCount + 2;
  }
  return 0;
}

}  // namespace platform
