#include "ai/nav/NavWorld.h"

std::optional<float> NavWorld::RayHitDistance(const platform::Vector3&, const platform::Vector3&) const { return std::nullopt; }

std::optional<platform::Vector3> NavWorld::FloorBelow(const platform::Vector3&) const { return std::nullopt; }

bool NavWorld::BoxOverlapsLevel(const platform::Vector3&, const platform::Vector3&) const { return false; }

bool NavWorld::SeesPoint(const platform::Vector3& from, const platform::Vector3& to) const {
  const std::optional<float> hit = RayHitDistance(from, to - from);
  return !hit || *hit * *hit >= platform::Vec3LengthSq(to - from);
}

const NavWorld& NavWorld::Empty() {
  static const NavWorld empty;
  return empty;
}
