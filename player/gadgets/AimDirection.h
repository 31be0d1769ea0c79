#pragma once
#include <cmath>

#include "platform/math/Vector.h"

// A gadget's aim as a unit vector; a zero or non-finite aim (nothing aimed yet, a point at the
// thief's own position) becomes zero, which fires nothing and launches nothing forward.
inline platform::Vector3 AimDirection(const platform::Vector3& aim) {
  if (!std::isfinite(aim.x) || !std::isfinite(aim.y) || !std::isfinite(aim.z)) return {};
  return platform::Vec3Normalize(aim);
}
