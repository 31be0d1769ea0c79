#pragma once
#include <optional>

#include "platform/math/Vector.h"

// The AI's view of the physics world: rays against every shape of the one world.

// The distance to the first hit along the direction (normalised here), or none.
std::optional<float> RayHitDistance(const platform::Vector3& origin, const platform::Vector3& direction);
// The point straight below where the floor is hit, or none.
std::optional<platform::Vector3> FloorBelow(const platform::Vector3& position);
// True when nothing lies between the two points: the first hit, if any, is farther than `to`.
bool SeesPoint(const platform::Vector3& from, const platform::Vector3& to);
