#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/math/Quaternion.h"
#include "platform/math/Vector.h"

namespace platform {
class Frustum;
class RenderDevice;
class Texture;
class VertexBuffer;
class IndexBuffer;
}  // namespace platform
class Effect;

// Coloured lines, spheres and boxes that any part of the program queues for the current frame
// (physics shapes, the AI's graphs and paths, the camera-path editor). Nothing is stored while
// "Draw Shapes" is off; Render draws the queue and forgets it, so callers add their shapes
// every frame.
class DebugDraw {
 public:
  // Two vertices a line: at most 2,000,000 lines a frame; lines past that are dropped.
  static constexpr int32_t kMaxLineVertices = 4000000;

  struct LineVertex {
    float x, y, z;
    uint32_t argb;
  };

  // `drawShapes` is the "Draw Shapes" switch; boxes are tested against `frustum` as it stands
  // when they are added.
  DebugDraw(const bool& drawShapes, const platform::Frustum& frustum);
  ~DebugDraw();
  DebugDraw(const DebugDraw&) = delete;
  DebugDraw& operator=(const DebugDraw&) = delete;

  // The unit box (1 x 1 x 1) and unit sphere (radius 1, 12 slices and stacks).
  void CreateMeshes(platform::RenderDevice& device);
  void ReleaseMeshes();

  void AddLine(float sx, float sy, float sz, float ex, float ey, float ez, uint32_t argb);
  void AddSphere(float cx, float cy, float cz, float radius, uint32_t argb);
  // `size` is the full extent along each axis; the frustum test ignores the orientation.
  void AddBox(float cx, float cy, float cz, float sx, float sy, float sz, float qx, float qy, float qz, float qw,
              uint32_t argb);

  // The shapes cel-shaded with `celShader` (which holds this frame's view and projection),
  // then the lines in one draw; empties the queue.
  void Render(platform::RenderDevice& device, Effect* celShader, const platform::Texture* placeholder);

  // Forgets the queue without drawing it.
  void Clear();

  int32_t LineVertexCount() const { return vertexCount_; }
  size_t ShapeCount() const { return shapes_.size(); }

 private:
  struct Mesh;
  struct Shape {
    enum Kind { kSphere, kBox } kind;
    uint32_t argb;  // kept with the shape; the cel-shaded draw uses a fixed grey
    platform::Vector3 centre;
    platform::Vector3 size;  // the sphere's radius on every axis
    platform::Quaternion orientation;
  };

  void DrawShape(platform::RenderDevice& device, const Shape& shape, Effect& celShader,
                 const platform::Texture* placeholder);

  const bool& drawShapes_;
  const platform::Frustum& frustum_;
  // Allocated on the first line: a frame that draws none costs no memory.
  std::unique_ptr<LineVertex[]> lines_;
  int32_t vertexCount_ = 0;
  std::vector<Shape> shapes_;
  std::unique_ptr<Mesh> box_;
  std::unique_ptr<Mesh> sphere_;
};
