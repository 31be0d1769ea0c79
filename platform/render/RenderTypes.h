#pragma once
#include <cstdint>

// Value types shared by the render device, effects, sprites and fonts. Matrices cross this
// layer as 16 floats, row-major, for row vectors (v' = v * M), left-handed: exactly as the game
// computes them. Colours are 32-bit ARGB.
namespace platform {

struct Float3 {
  float x = 0, y = 0, z = 0;
};

struct IntRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool operator==(const IntRect&) const = default;
};

// Pixel area of the current target that drawing maps to; depth range 0..1.
struct Viewport {
  int x = 0, y = 0, width = 0, height = 0;
  float minZ = 0.0f, maxZ = 1.0f;
};

enum class CullMode { None, Clockwise, CounterClockwise };
enum class CompareFunc { Never, Less, Equal, LessEqual, Greater, NotEqual, GreaterEqual, Always };
enum class BlendFactor {
  Zero, One, SrcColor, InvSrcColor, SrcAlpha, InvSrcAlpha, DestAlpha, InvDestAlpha, DestColor,
  InvDestColor
};
enum class FillMode { Solid, Wireframe };
enum class PrimitiveType { PointList, LineList, LineStrip, TriangleList, TriangleStrip, TriangleFan };
enum class TransformKind { World, View, Projection };

enum ClearFlags : unsigned { ClearTarget = 1, ClearDepth = 2, ClearStencil = 4 };

// Every render state the game's drawing touches, with the values a fresh device starts with:
// depth test on (LESSEQUAL) and writing, counter-clockwise faces culled, blending off with
// ONE/ZERO, no alpha test, solid fill, no scissor, point sprites off.
struct RenderState {
  bool zEnable = true;
  bool zWrite = true;
  CompareFunc zFunc = CompareFunc::LessEqual;
  CullMode cull = CullMode::CounterClockwise;
  bool alphaBlend = false;
  BlendFactor srcBlend = BlendFactor::One;
  BlendFactor destBlend = BlendFactor::Zero;
  // Alpha test: a fragment survives when `alpha func alphaRef/255` holds (done as a discard).
  bool alphaTest = false;
  CompareFunc alphaFunc = CompareFunc::Always;
  uint8_t alphaRef = 0;
  FillMode fill = FillMode::Solid;
  bool scissorTest = false;
  IntRect scissor;
  // Point sprites: textured squares of the vertex's point size. With point scaling the size is
  // in world units and shrinks with eye distance d as viewportHeight * size / sqrt(A + B d + C d^2).
  bool pointSprite = false;
  bool pointScale = false;
  float pointScaleA = 1.0f, pointScaleB = 0.0f, pointScaleC = 0.0f;
  float pointSizeMin = 1.0f;

  bool operator==(const RenderState&) const = default;
};

}  // namespace platform
