#pragma once
#include <optional>

#include "platform/math/Vector.h"

// What the navigation asks of the level's shapes: rays and a box test. Its owner answers from
// the physics world; this base answers for an empty world, where nothing is hit, there is no
// floor and everything fits (a map loaded without physics).
class NavWorld {
 public:
  virtual ~NavWorld() = default;

  // The distance to the first hit along the direction (any length), or none.
  virtual std::optional<float> RayHitDistance(const platform::Vector3& origin, const platform::Vector3& direction) const;
  // The point straight below where the floor is hit, or none.
  virtual std::optional<platform::Vector3> FloorBelow(const platform::Vector3& position) const;
  // True when the axis-aligned box (its centre and half extents) overlaps the level's fixed shapes.
  virtual bool BoxOverlapsLevel(const platform::Vector3& centre, const platform::Vector3& halfExtents) const;

  // True when nothing lies between the two points: the first hit, if any, is farther than `to`.
  bool SeesPoint(const platform::Vector3& from, const platform::Vector3& to) const;

  // The empty world, for graphs kept without one.
  static const NavWorld& Empty();
};
