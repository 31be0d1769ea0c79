#pragma once
#include <btBulletDynamicsCommon.h>

#include <memory>
#include <vector>

#include "platform/physics/TriangleMesh.h"

namespace platform::physics {

// The mesh's own arrays and the search tree built over them; the tree reads the arrays in place,
// so both live and die together.
struct TriangleMesh::Impl {
  std::vector<Vec3> vertices;
  std::vector<uint32_t> indices;
  std::unique_ptr<btTriangleIndexVertexArray> arrays;
  std::unique_ptr<btBvhTriangleMeshShape> shape;  // null for a mesh without triangles

  void Build();
};

}  // namespace platform::physics
