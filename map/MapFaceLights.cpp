#include "map/MapFaceLights.h"

namespace {

bool Reaches(const BspData& map, const BspFace& face, const MapLight& light) {
  const platform::Vector3 normal{face.normal[0], face.normal[1], face.normal[2]};
  if (platform::Vec3Dot(normal, light.direction) > 0.05f) return false;
  for (int32_t k = face.firstMeshVertex; k < face.firstMeshVertex + face.meshVertexCount; ++k) {
    const float* p = map.vertices[size_t(face.firstVertex + map.meshVertices[size_t(k)])].position;
    const platform::Vector3 toLight{light.position.x - p[0], light.position.y - p[1], light.position.z - p[2]};
    if (platform::Vec3Dot(toLight, light.direction) < 0.0f) return true;
  }
  return false;
}

}  // namespace

FaceLighting LightsReachingFace(const BspData& map, const BspFace& face, const MapLight* lights, int lightCount) {
  FaceLighting result;
  for (int i = 0; i < lightCount && i < 2; ++i) {
    if (!Reaches(map, face, lights[i])) continue;
    if (result.count++ == 0) result.first = i;
  }
  return result;
}
