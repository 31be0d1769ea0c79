#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/physics/Stream.h"
#include "platform/physics/Vector.h"

namespace platform::physics {

// The caller's mesh, read in place: `numVertices` positions (three floats at the start of each
// `pointStrideBytes` record) and `numTriangles` triangles of three 32-bit vertex indices (at the
// start of each `triangleStrideBytes` record).
struct TriangleMeshDesc {
  uint32_t numVertices = 0;
  uint32_t numTriangles = 0;
  uint32_t pointStrideBytes = 12;
  uint32_t triangleStrideBytes = 12;
  const void* points = nullptr;
  const void* triangles = nullptr;
};

// Describes packed arrays: positions one after the other, three indices per triangle.
TriangleMeshDesc DescribeMesh(const std::vector<Vec3>& vertices, const std::vector<uint32_t>& indices);

// What cooking made of a mesh. Triangles with an index out of range, or with corners that are
// not finite or enclose no area, are left out and counted.
struct CookResult {
  bool ok = false;
  std::string error;  // why cooking failed, for the caller's log
  uint32_t triangles = 0;
  uint32_t droppedOutOfRange = 0;
  uint32_t droppedDegenerate = 0;
};

// Checks and compacts the mesh and writes it to the stream. Fails (with a reason) on a
// malformed description or when the stream fails.
CookResult CookTriangleMesh(const TriangleMeshDesc& desc, PhysicsStream& stream);

// A cooked mesh read back, ready to be the shape of static actors. It owns its arrays and its
// search tree; shapes keep it alive while they use it.
class TriangleMesh {
 public:
  struct Impl;
  explicit TriangleMesh(std::unique_ptr<Impl> impl);
  ~TriangleMesh();

  // Reads a mesh written by CookTriangleMesh; null (with the reason in *error when given) when
  // the stream fails or holds no valid mesh.
  static std::shared_ptr<TriangleMesh> Read(PhysicsStream& stream, std::string* error = nullptr);

  uint32_t GetNbVertices() const;
  uint32_t GetNbTriangles() const;
  const Vec3* GetVertices() const;
  const uint32_t* GetTriangles() const;  // three indices per triangle
  Impl& GetImpl() const { return *impl_; }

 private:
  std::unique_ptr<Impl> impl_;
};

}  // namespace platform::physics
