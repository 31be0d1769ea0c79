#include "entities/NearestWall.h"

std::optional<RayHit> FindNearestWall(const Physics& physics, const platform::Vector3& from) {
  static constexpr platform::Vector3 kDirections[] = {{-1, 0, 0}, {0, -1, 0}, {0, 1, 0}, {1, 0, 0}};
  std::optional<RayHit> nearest;
  float best = 999999.0f;
  for (const platform::Vector3& d : kDirections) {
    RayHit hit;
    if (physics.RayCast(from.x, from.y, from.z, d.x, d.y, d.z, &hit) && hit.distance < best) {
      best = hit.distance;
      nearest = hit;
    }
  }
  return nearest;
}
