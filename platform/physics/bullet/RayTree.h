#pragma once
#include <cstdint>
#include <vector>

#include "platform/physics/Vector.h"

namespace platform::physics::bullet {

// A bounding-box tree over a mesh's triangles for closest-hit rays. The collision tree of the
// simulator walks the whole ray even after a hit; this one visits the nearer child first and
// cuts the ray at every hit, so the walk ends soon after the first wall. Sight rays, lasers
// and the AI cast hundreds of rays a frame against the map, which makes this the hot path.
class RayTree {
 public:
  struct Hit {
    float distance = 0;
    uint32_t triangle = 0;  // index into the mesh's triangle list
    Vec3 normal;            // unit length, facing the ray's origin
  };

  // Replaces the tree with one over the triangles (three vertex indices each, all in range).
  void Build(const std::vector<Vec3>& vertices, const std::vector<uint32_t>& indices);

  // The closest triangle crossed by from + dir * t for 0 < t < maxDistance, `dir` of unit
  // length. Triangles are two-sided; a ray starting on a triangle's plane does not hit it.
  bool Closest(const Vec3& from, const Vec3& dir, float maxDistance, Hit& hit) const;

 private:
  // Up to four children, their boxes by axis so that one node tests all four at once. Child i
  // is the wide node `offset[i]` when `count[i]` is 0, else a leaf of triangles
  // [offset[i], offset[i] + count[i]) of `triangles_`.
  struct alignas(64) WideNode {
    float lo[3][4] = {};
    float hi[3][4] = {};
    uint32_t offset[4] = {};
    uint32_t count[4] = {};
    uint32_t children = 0;
  };

  // A triangle by its first corner and two edges, as the intersection test wants it.
  struct Triangle {
    Vec3 corner, edge1, edge2;
    uint32_t index = 0;
  };
  struct Builder;

  std::vector<WideNode> nodes_;
  std::vector<Triangle> triangles_;
};

}  // namespace platform::physics::bullet
