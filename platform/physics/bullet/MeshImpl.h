#pragma once
#include <btBulletDynamicsCommon.h>

#include <memory>
#include <vector>

#include "platform/physics/TriangleMesh.h"
#include "platform/physics/bullet/RayTree.h"

namespace platform::physics {

// The mesh's own arrays, the simulator's collision tree that reads them in place (so both live
// and die together) and the tree that answers rays.
struct TriangleMesh::Impl {
  std::vector<Vec3> vertices;
  std::vector<uint32_t> indices;
  std::unique_ptr<btTriangleIndexVertexArray> arrays;
  std::unique_ptr<btBvhTriangleMeshShape> shape;  // null for a mesh without triangles
  bullet::RayTree rayTree;

  void Build();
};

}  // namespace platform::physics
