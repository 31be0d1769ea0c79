#pragma once
#include <cstdint>
#include <span>
#include <vector>

#include "platform/xfile/Model.h"

namespace platform::xfile {

// Combined[i] = frames[i].transform x Combined[parent]; the root's is its own matrix. Frames
// must be in the Model's pre-order.
void ComputeCombinedMatrices(const std::vector<Frame>& frames, std::vector<Matrix>& combined);

// For each bone of the mesh, the index of the frame carrying its name, or -1 when none does.
std::vector<int32_t> BindBones(const Model& model, const MeshContainer& mesh);

struct SkinnedVertices {
  std::vector<Vec3> positions;
  std::vector<Vec3> normals;
};

// Skins the mesh on the CPU: v' = sum over bones of w x v x (offset x combined of the bone's
// frame); normals alike through the matrices' 3 x 3 part, not renormalised. normals may be
// empty (then out.normals is too) or hold one normal per vertex. A bone without a frame holds
// its share of the vertex where the mesh puts it; a vertex no bone weights keeps its place.
void SkinMesh(const MeshContainer& mesh, std::span<const Vec3> normals,
              std::span<const int32_t> boneFrames, std::span<const Matrix> combined,
              SkinnedVertices& out);

struct BoundingSphere {
  Vec3 centre;
  float radius = 0;
};

// Over every vertex of every mesh in the pose of the frames' own matrices: the centre is the
// mean of the vertices placed by their frame's combined matrix, the radius the largest
// distance from it. No vertices: centre 0, radius 0.
BoundingSphere ComputeBoundingSphere(const Model& model);

}  // namespace platform::xfile
