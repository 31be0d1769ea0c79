#pragma once
#include <btBulletDynamicsCommon.h>

namespace platform::physics::bullet {

// Sweeps an axis-aligned box (half extents `half`, centre `from`) along `motion` against one
// triangle, by separating axes: the triangle's normal, the box's three axes and the nine edge
// cross products. On a hit gives the fraction of the motion at first contact and the surface
// normal facing the box. A box already overlapping the triangle hits at 0 only when the motion
// goes further into it; one leaving it or sliding along it does not hit.
bool SweepBoxTriangle(const btVector3& half, const btVector3& from, const btVector3& motion,
                      const btVector3 triangle[3], float& fraction, btVector3& normal);

}  // namespace platform::physics::bullet
