#include "player/CameraFollow.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "physics/Physics.h"

namespace {
constexpr float kPastEntity = 5.0f;
constexpr float kWallMargin = 20.0f;
}  // namespace

CameraFollow& CameraFollow::Shared() {
  static CameraFollow follow;
  return follow;
}

float CameraFollow::Reach(const Physics* physics, const platform::Vector3& pivot, const platform::Vector3& back) {
  if (!physics) return FLT_MAX;
  RayHit hit;
  if (!physics->RayCast(pivot.x, pivot.y, pivot.z, back.x, back.y, back.z, &hit)) return FLT_MAX;
  float passed = 0.0f;
  if (hit.entity) {
    passed = hit.distance;
    const platform::Vector3 from = hit.point + back * kPastEntity;
    RayHit beyond;
    if (!physics->RayCast(from.x, from.y, from.z, back.x, back.y, back.z, &beyond)) return FLT_MAX;
    hit = beyond;
  }
  return passed + hit.distance - kWallMargin;
}

void CameraFollow::Follow(float wanted, float reach, float rate) {
  desired = std::min(wanted, reach);
  // The camera glides out, but never stands beyond the wall: a wall that comes near at once (a
  // bust or a teleport next to it, a quick turn) pulls it in at once.
  current = std::min(EaseToward(current, desired, rate), reach);
}

float EaseToward(float value, float target, float rate) {
  if (value == target) return value;
  if (std::fabs(target - value) < rate) return target;
  return value < target ? value + rate : value - rate;
}
