#pragma once
#include <cstdint>
#include <span>
#include <vector>

#include "platform/xfile/XMath.h"

namespace platform::xfile {

// Smooth per-vertex normals for a mesh the file gives none: each vertex takes the sum of the
// unit normals of the triangles around it, each weighted by the triangle's angle at that
// vertex, normalised. A triangle v0 v1 v2 faces along (v1 - v0) x (v2 - v0), the clockwise
// front of the left-handed files. Vertices on no triangle (or only degenerate ones) get 0.
std::vector<Vec3> ComputeNormals(std::span<const Vec3> positions,
                                 std::span<const uint32_t> indices);

}  // namespace platform::xfile
