#pragma once
#include <optional>

#include "physics/Physics.h"
#include "platform/math/Vector.h"

// The nearest of the hits of four horizontal rays from a point, cast west, south, north and
// east in that order; on equal distances the earlier direction wins. Teleporters turn arrivals
// away from that wall and trip lasers shine from it. None when no ray meets anything within
// 999999 units.
std::optional<RayHit> FindNearestWall(const Physics& physics, const platform::Vector3& from);
