#include <cmath>
#include <cstring>
#include <unordered_map>

#include "platform/physics/TriangleMesh.h"
#include "platform/physics/bullet/MeshFormat.h"

namespace platform::physics {
namespace {

Vec3 PointAt(const TriangleMeshDesc& d, uint32_t i) {
  Vec3 p;
  std::memcpy(&p, static_cast<const uint8_t*>(d.points) + size_t{i} * d.pointStrideBytes, sizeof p);
  return p;
}

void TriangleAt(const TriangleMeshDesc& d, uint32_t t, uint32_t out[3]) {
  std::memcpy(out, static_cast<const uint8_t*>(d.triangles) + size_t{t} * d.triangleStrideBytes,
              3 * sizeof(uint32_t));
}

// Twice the area is the length of the cross product; below this the triangle has no face to
// collide with and only upsets the search tree.
bool Degenerate(const Vec3& a, const Vec3& b, const Vec3& c) {
  const Vec3 u = b - a, v = c - a;
  const Vec3 n{u.y * v.z - u.z * v.y, u.z * v.x - u.x * v.z, u.x * v.y - u.y * v.x};
  return !(n.Dot(n) > 1e-12f) || !a.IsFinite() || !b.IsFinite() || !c.IsFinite();
}

const char* DescError(const TriangleMeshDesc& d) {
  if (d.numTriangles > 0 && !d.triangles) return "triangle mesh has no index data";
  if (d.numVertices > 0 && !d.points) return "triangle mesh has no vertex data";
  if (d.pointStrideBytes < 12) return "triangle mesh vertex stride below 12 bytes";
  if (d.triangleStrideBytes < 12) return "triangle mesh index stride below 12 bytes";
  if (d.numVertices > bullet::kMaxMeshElements || d.numTriangles > bullet::kMaxMeshElements)
    return "triangle mesh too large";
  return nullptr;
}

}  // namespace

TriangleMeshDesc DescribeMesh(const std::vector<Vec3>& vertices, const std::vector<uint32_t>& indices) {
  TriangleMeshDesc d;
  d.numVertices = static_cast<uint32_t>(vertices.size());
  d.numTriangles = static_cast<uint32_t>(indices.size() / 3);
  d.points = vertices.data();
  d.triangles = indices.data();
  return d;
}

CookResult CookTriangleMesh(const TriangleMeshDesc& desc, PhysicsStream& stream) {
  CookResult result;
  if (const char* error = DescError(desc)) {
    result.error = error;
    return result;
  }
  // Keep only sound triangles and only the vertices they use, renumbered in first-use order.
  std::vector<Vec3> vertices;
  std::vector<uint32_t> indices;
  std::unordered_map<uint32_t, uint32_t> remap;
  for (uint32_t t = 0; t < desc.numTriangles; ++t) {
    uint32_t tri[3];
    TriangleAt(desc, t, tri);
    if (tri[0] >= desc.numVertices || tri[1] >= desc.numVertices || tri[2] >= desc.numVertices) {
      ++result.droppedOutOfRange;
      continue;
    }
    if (Degenerate(PointAt(desc, tri[0]), PointAt(desc, tri[1]), PointAt(desc, tri[2]))) {
      ++result.droppedDegenerate;
      continue;
    }
    for (uint32_t i : tri) {
      auto [it, added] = remap.try_emplace(i, static_cast<uint32_t>(vertices.size()));
      if (added) vertices.push_back(PointAt(desc, i));
      indices.push_back(it->second);
    }
  }
  result.triangles = static_cast<uint32_t>(indices.size() / 3);
  bullet::WriteMesh(stream, vertices, indices);
  if (stream.Failed()) {
    result.error = "could not write the cooked mesh";
    return result;
  }
  result.ok = true;
  return result;
}

}  // namespace platform::physics
