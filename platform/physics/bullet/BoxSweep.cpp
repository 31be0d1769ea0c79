#include "platform/physics/bullet/BoxSweep.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace platform::physics::bullet {

bool SweepBoxTriangle(const btVector3& half, const btVector3& from, const btVector3& motion,
                      const btVector3 tri[3], float& fraction, btVector3& normal) {
  const btVector3 edges[3] = {tri[1] - tri[0], tri[2] - tri[1], tri[0] - tri[2]};
  const btVector3 face = edges[0].cross(tri[2] - tri[0]);
  if (face.length2() < 1e-12f) return false;
  btVector3 axes[13] = {face, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
  int count = 4;
  for (int b = 0; b < 3; ++b)
    for (const btVector3& e : edges) {
      const btVector3 c = btVector3(b == 0, b == 1, b == 2).cross(e);
      if (c.length2() > 1e-10f * e.length2()) axes[count++] = c;
    }
  float enter = -std::numeric_limits<float>::infinity();
  float exit = std::numeric_limits<float>::infinity();
  btVector3 enterNormal = face;
  for (int i = 0; i < count; ++i) {
    const btVector3& a = axes[i];
    const float centre = from.dot(a);
    const float radius = half.x() * std::fabs(a.x()) + half.y() * std::fabs(a.y()) + half.z() * std::fabs(a.z());
    const float p0 = tri[0].dot(a), p1 = tri[1].dot(a), p2 = tri[2].dot(a);
    const float lo = std::min({p0, p1, p2}) - radius, hi = std::max({p0, p1, p2}) + radius;
    const float speed = motion.dot(a);
    if (std::fabs(speed) < 1e-12f) {
      if (centre < lo || centre > hi) return false;  // apart on this axis for the whole motion
      continue;
    }
    float t0 = (lo - centre) / speed, t1 = (hi - centre) / speed;
    if (t0 > t1) std::swap(t0, t1);
    if (t0 > enter) {
      enter = t0;
      enterNormal = speed > 0 ? -a : a;
    }
    exit = std::min(exit, t1);
    if (enter > exit || exit < 0 || enter > 1) return false;
  }
  if (enter >= 0) {
    fraction = enter;
    normal = enterNormal.normalized();
    return true;
  }
  // Overlapping from the start: a hit only for motion into the side the box centre is on.
  const btVector3 facing = face.dot(from - tri[0]) >= 0 ? face : -face;
  if (motion.dot(facing) >= 0) return false;
  fraction = 0;
  normal = facing.normalized();
  return true;
}

}  // namespace platform::physics::bullet
