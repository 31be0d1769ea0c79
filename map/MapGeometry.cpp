#include "map/MapGeometry.h"

#include <cmath>

namespace {

struct Vec {
  float x, y, z;
};

Vec Load(const float v[3]) { return {v[0], v[1], v[2]}; }
Vec Sub(Vec a, Vec b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec Cross(Vec a, Vec b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
float Dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

void FaceNormal(const BspData& map, BspFace& face) {
  if (face.meshVertexCount < 3) return;
  auto position = [&](int k) {
    return Load(map.vertices[face.firstVertex + map.meshVertices[face.firstMeshVertex + k]].position);
  };
  Vec p0 = position(0), p1 = position(1);
  for (int k = 2; k < face.meshVertexCount; ++k) {
    Vec n = Cross(Sub(p1, p0), Sub(position(k), p0));
    float length = std::sqrt(Dot(n, n));
    if (length != 0.0f) {
      face.normal[0] = n.x / length;
      face.normal[1] = n.y / length;
      face.normal[2] = n.z / length;
      return;
    }
  }
}

}  // namespace

void ComputeFacePlanes(BspData& map) {
  for (BspFace& face : map.faces) FaceNormal(map, face);
}

void ConvertToWorldFrame(BspData& map) {
  for (BspPlane& p : map.planes) p.normal[1] = -p.normal[1];
  for (BspVertex& v : map.vertices) {
    v.position[1] = -v.position[1];
    v.normal[1] = -v.normal[1];
  }
  for (BspFace& f : map.faces) f.normal[1] = -f.normal[1];
  ComputeFacePlanes(map);
}

bool IsClusterVisible(const BspData& map, int32_t from, int32_t to) {
  if (from < 0 || to < 0 || from == to || from >= map.clusterCount || to >= map.clusterCount)
    return true;
  return map.visBits[size_t(from) * size_t(map.bytesPerCluster) + size_t(to >> 3)] & (1u << (to & 7));
}
