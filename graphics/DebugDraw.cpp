#include "graphics/DebugDraw.h"

#include <cmath>
#include <numbers>

#include "graphics/Effect.h"
#include "platform/math/Frustum.h"
#include "platform/math/Matrix.h"
#include "platform/render/Buffers.h"
#include "platform/render/RenderDevice.h"
#include "platform/render/VertexLayout.h"

namespace {

struct MeshVertex {
  platform::Vector3 position;
  platform::Vector3 normal;
  float u, v;
};

struct MeshData {
  std::vector<MeshVertex> vertices;
  std::vector<uint16_t> indices;

  // Wound clockwise as seen from outside, the side the normals face.
  void Triangle(uint16_t a, uint16_t b, uint16_t c) {
    const platform::Vector3& pa = vertices[a].position;
    const platform::Vector3 facing = platform::Vec3Cross(vertices[b].position - pa, vertices[c].position - pa);
    const platform::Vector3 outward = vertices[a].normal + vertices[b].normal + vertices[c].normal;
    if (platform::Vec3Dot(facing, outward) < 0) std::swap(b, c);
    indices.insert(indices.end(), {a, b, c});
  }
};

MeshData UnitBox() {
  MeshData box;
  const platform::Vector3 normals[6] = {{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}};
  for (const platform::Vector3& n : normals) {
    // Two axes across the face, each corner half a unit out along them.
    const platform::Vector3 a = n.x != 0 ? platform::Vector3{0, 1, 0} : platform::Vector3{1, 0, 0};
    const platform::Vector3 b = platform::Vec3Cross(n, a);
    const auto first = static_cast<uint16_t>(box.vertices.size());
    for (const auto& [s, t] : {std::pair{-1, -1}, {1, -1}, {1, 1}, {-1, 1}}) {
      box.vertices.push_back({(n + a * float(s) + b * float(t)) * 0.5f, n, (s + 1) * 0.5f, (t + 1) * 0.5f});
    }
    box.Triangle(first, first + 1, first + 2);
    box.Triangle(first, first + 2, first + 3);
  }
  return box;
}

MeshData UnitSphere(int slices, int stacks) {
  MeshData sphere;
  for (int i = 0; i <= stacks; ++i) {
    const float theta = std::numbers::pi_v<float> * float(i) / float(stacks);
    for (int j = 0; j <= slices; ++j) {
      const float phi = 2.0f * std::numbers::pi_v<float> * float(j) / float(slices);
      const platform::Vector3 p{std::sin(theta) * std::cos(phi), std::sin(theta) * std::sin(phi), std::cos(theta)};
      sphere.vertices.push_back({p, p, float(j) / float(slices), float(i) / float(stacks)});
    }
  }
  const int row = slices + 1;
  for (int i = 0; i < stacks; ++i) {
    for (int j = 0; j < slices; ++j) {
      const auto a = static_cast<uint16_t>(i * row + j), b = static_cast<uint16_t>(a + 1);
      const auto c = static_cast<uint16_t>(a + row), d = static_cast<uint16_t>(c + 1);
      if (i != 0) sphere.Triangle(a, b, d);  // the poles' rows would give degenerate triangles
      if (i != stacks - 1) sphere.Triangle(a, d, c);
    }
  }
  return sphere;
}

const platform::VertexLayout& MeshLayout() { return platform::VertexLayout::PositionNormalTexture(); }

}  // namespace

struct DebugDraw::Mesh {
  Mesh(platform::RenderDevice& device, const MeshData& data)
      : vertices(device, data.vertices.size() * sizeof(MeshVertex), platform::BufferUsage::Static,
                 data.vertices.data()),
        indices(device, data.indices.size(), false, platform::BufferUsage::Static, data.indices.data()),
        triangles(static_cast<uint32_t>(data.indices.size() / 3)) {}

  void Draw(platform::RenderDevice& device) const {
    device.DrawIndexedPrimitive(platform::PrimitiveType::TriangleList, vertices, indices, MeshLayout(), 0, 0,
                                triangles);
  }

  platform::VertexBuffer vertices;
  platform::IndexBuffer indices;
  uint32_t triangles;
};

DebugDraw::DebugDraw(const bool& drawShapes, const platform::Frustum& frustum)
    : drawShapes_(drawShapes), frustum_(frustum) {}

DebugDraw::~DebugDraw() = default;

void DebugDraw::CreateMeshes(platform::RenderDevice& device) {
  box_ = std::make_unique<Mesh>(device, UnitBox());
  sphere_ = std::make_unique<Mesh>(device, UnitSphere(12, 12));
  vertexCount_ = 0;
}

void DebugDraw::ReleaseMeshes() {
  box_.reset();
  sphere_.reset();
}

void DebugDraw::AddLine(float sx, float sy, float sz, float ex, float ey, float ez, uint32_t argb) {
  if (!drawShapes_ || vertexCount_ + 2 > kMaxLineVertices) return;
  // Left unfilled: only the lines added are ever read, so the store costs memory as it is used.
  if (!lines_) lines_ = std::make_unique_for_overwrite<LineVertex[]>(kMaxLineVertices);
  lines_[vertexCount_++] = {sx, sy, sz, argb};
  lines_[vertexCount_++] = {ex, ey, ez, argb};
}

void DebugDraw::AddSphere(float cx, float cy, float cz, float radius, uint32_t argb) {
  if (!drawShapes_) return;
  shapes_.push_back({Shape::kSphere, argb, {cx, cy, cz}, {radius, radius, radius}, platform::QuaternionIdentity()});
}

void DebugDraw::AddBox(float cx, float cy, float cz, float sx, float sy, float sz, float qx, float qy, float qz,
                       float qw, uint32_t argb) {
  if (!drawShapes_ || !frustum_.TestBox(cx, cy, cz, sx * 0.5f, sy * 0.5f, sz * 0.5f)) return;
  shapes_.push_back({Shape::kBox, argb, {cx, cy, cz}, {sx, sy, sz}, {qx, qy, qz, qw}});
}

void DebugDraw::Render(platform::RenderDevice& device, Effect* celShader, const platform::Texture* placeholder) {
  if (celShader && box_ && sphere_) {
    for (const Shape& shape : shapes_) DrawShape(device, shape, *celShader, placeholder);
  }
  const platform::Matrix identity = platform::MatrixIdentity();
  device.SetTransform(platform::TransformKind::World, identity.Data());
  device.SetTexture(placeholder);
  if (vertexCount_ > 0) {
    device.DrawPrimitiveUP(platform::PrimitiveType::LineList, platform::VertexLayout::PositionColor(), lines_.get(),
                           static_cast<uint32_t>(vertexCount_ / 2));
  }
  Clear();
}

void DebugDraw::Clear() {
  shapes_.clear();
  vertexCount_ = 0;
}

void DebugDraw::DrawShape(platform::RenderDevice& device, const Shape& shape, Effect& celShader,
                          const platform::Texture* placeholder) {
  const bool isBox = shape.kind == Shape::kBox;
  platform::Matrix world = platform::MatrixScaling(shape.size.x, shape.size.y, shape.size.z);
  if (isBox) world = world * platform::MatrixRotationQuaternion(shape.orientation);
  world = world * platform::MatrixTranslation(shape.centre);
  if (isBox) device.SetTransform(platform::TransformKind::World, world.Data());
  const platform::Matrix inverse = platform::MatrixInverse(world).value_or(platform::MatrixIdentity());
  celShader.SetTransforms(world, platform::MatrixTranspose(inverse));
  platform::EffectProgram& program = celShader.Program();
  program.SetTexture("baseTex", placeholder);
  // Until the level's light records answer, shapes are lit from straight above in white.
  const float lightDir[3] = {0, 0, -1};
  const float lightColour[4] = {1, 1, 1, 1};
  const float grey[4] = {0.7f, 0.7f, 0.7f, 1.0f};
  program.SetFloatArray("lightDir0", lightDir, 3);
  program.SetVector("lightColor0", lightColour);
  program.SetVector("diffuseMaterial", grey);
  if (isBox) {
    program.SetFloat("outlineScale", 4.0f);
    // With no spot lights near the box the technique uses none.
    program.SetTechnique("CelShade0Lights");
  } else {
    program.SetTechnique("CelShade2Lights");
  }
  const Mesh& mesh = isBox ? *box_ : *sphere_;
  unsigned passes = 0;
  program.Begin(&passes);
  for (unsigned i = 0; i < passes; ++i) {
    program.BeginPass(i);
    mesh.Draw(device);
    program.EndPass();
  }
  program.End();
}
