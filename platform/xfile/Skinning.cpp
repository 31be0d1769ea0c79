#include "platform/xfile/Skinning.h"

#include <algorithm>

namespace platform::xfile {

void ComputeCombinedMatrices(const std::vector<Frame>& frames, std::vector<Matrix>& combined) {
  combined.resize(frames.size());
  for (size_t i = 0; i < frames.size(); ++i) {
    const int32_t parent = frames[i].parent;
    combined[i] = parent >= 0 && size_t(parent) < i
                      ? Multiply(frames[i].transform, combined[parent])
                      : frames[i].transform;
  }
}

std::vector<int32_t> BindBones(const Model& model, const MeshContainer& mesh) {
  std::vector<int32_t> frames;
  for (const Bone& bone : mesh.bones) frames.push_back(model.FindFrame(bone.name));
  return frames;
}

void SkinMesh(const MeshContainer& mesh, std::span<const Vec3> normals,
              std::span<const int32_t> boneFrames, std::span<const Matrix> combined,
              SkinnedVertices& out) {
  const size_t count = mesh.positions.size();
  const bool withNormals = normals.size() == count && count > 0;
  out.positions.assign(count, Vec3{});
  out.normals.assign(withNormals ? count : 0, Vec3{});
  std::vector<bool> weighted(count, false);
  for (size_t b = 0; b < mesh.bones.size(); ++b) {
    const Bone& bone = mesh.bones[b];
    const int32_t frame = b < boneFrames.size() ? boneFrames[b] : -1;
    const Matrix m = frame >= 0 && size_t(frame) < combined.size()
                         ? Multiply(bone.offset, combined[frame])
                         : IdentityMatrix();
    for (size_t i = 0; i < bone.vertices.size(); ++i) {
      const uint32_t v = bone.vertices[i];
      const float w = bone.weights[i];
      weighted[v] = true;
      out.positions[v] = Add(out.positions[v], Scale(TransformPoint(mesh.positions[v], m), w));
      if (withNormals)
        out.normals[v] = Add(out.normals[v], Scale(TransformNormal(normals[v], m), w));
    }
  }
  for (size_t v = 0; v < count; ++v)
    if (!weighted[v]) {
      out.positions[v] = mesh.positions[v];
      if (withNormals) out.normals[v] = normals[v];
    }
}

BoundingSphere ComputeBoundingSphere(const Model& model) {
  std::vector<Matrix> combined;
  ComputeCombinedMatrices(model.frames, combined);
  std::vector<Vec3> points;
  for (size_t f = 0; f < model.frames.size(); ++f)
    for (uint32_t m : model.frames[f].meshes)
      for (const Vec3& p : model.meshes[m].positions)
        points.push_back(TransformPoint(p, combined[f]));
  BoundingSphere sphere;
  if (points.empty()) return sphere;
  double sum[3] = {0, 0, 0};
  for (const Vec3& p : points) {
    sum[0] += p.x;
    sum[1] += p.y;
    sum[2] += p.z;
  }
  const double n = static_cast<double>(points.size());
  sphere.centre = {float(sum[0] / n), float(sum[1] / n), float(sum[2] / n)};
  for (const Vec3& p : points)
    sphere.radius = std::max(sphere.radius, Length(Sub(p, sphere.centre)));
  return sphere;
}

}  // namespace platform::xfile
