#include "ai/NavRays.h"

#include "engine/Engine.h"
#include "physics/Physics.h"

const Physics* NavRays::World() const { return engine_.GetPhysics(); }

std::optional<float> NavRays::RayHitDistance(const platform::Vector3& origin, const platform::Vector3& direction) const {
  const Physics* physics = World();
  const platform::Vector3 d = platform::Vec3Normalize(direction);
  RayHit hit;
  if (!physics || !physics->RayCast(origin.x, origin.y, origin.z, d.x, d.y, d.z, &hit)) return std::nullopt;
  return hit.distance;
}

std::optional<platform::Vector3> NavRays::FloorBelow(const platform::Vector3& position) const {
  const Physics* physics = World();
  RayHit hit;
  if (!physics || !physics->RayCast(position.x, position.y, position.z, 0.0f, 0.0f, -1.0f, &hit)) return std::nullopt;
  return hit.point;
}

bool NavRays::BoxOverlapsLevel(const platform::Vector3& centre, const platform::Vector3& halfExtents) const {
  const Physics* physics = World();
  return physics && physics->BoxOverlapsStatic(centre.x, centre.y, centre.z, halfExtents.x, halfExtents.y, halfExtents.z);
}
