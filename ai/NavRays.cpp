#include "ai/NavRays.h"

#include "engine/Engine.h"
#include "physics/Physics.h"

std::optional<float> RayHitDistance(const platform::Vector3& origin, const platform::Vector3& direction) {
  const Physics* physics = Engine::Get()->GetPhysics();
  const platform::Vector3 d = platform::Vec3Normalize(direction);
  RayHit hit;
  if (!physics || !physics->RayCast(origin.x, origin.y, origin.z, d.x, d.y, d.z, &hit)) return std::nullopt;
  return hit.distance;
}

std::optional<platform::Vector3> FloorBelow(const platform::Vector3& position) {
  const Physics* physics = Engine::Get()->GetPhysics();
  RayHit hit;
  if (!physics || !physics->RayCast(position.x, position.y, position.z, 0.0f, 0.0f, -1.0f, &hit)) return std::nullopt;
  return hit.point;
}

bool SeesPoint(const platform::Vector3& from, const platform::Vector3& to) {
  const std::optional<float> hit = RayHitDistance(from, to - from);
  return !hit || *hit * *hit >= platform::Vec3LengthSq(to - from);
}
