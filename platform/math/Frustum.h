#pragma once
#include "platform/math/Matrix.h"
#include "platform/math/Plane.h"

namespace platform {

// The view volume, rebuilt from view x projection, for throwing away what cannot be seen.
// Planes in the order near, far, left, right, top, bottom, normals pointing inwards: a point
// is inside a plane when a x + b y + c z + d >= 0.
class Frustum {
 public:
  enum PlaneIndex { kNear, kFar, kLeft, kRight, kTop, kBottom, kPlaneCount };

  // `viewProjection` is inverted in place (the caller's matrix holds the inverse afterwards).
  // A singular matrix leaves the planes as they were.
  void Build(Matrix& viewProjection);
  // False when the axis-aligned box (centre, half extents) lies wholly outside one plane; a box
  // touching a plane counts as inside.
  bool TestBox(float cx, float cy, float cz, float ex, float ey, float ez) const;
  bool TestSphere(float cx, float cy, float cz, float radius) const;

  const Plane& GetPlane(int index) const { return planes_[index]; }

 private:
  Plane planes_[kPlaneCount];
};

}  // namespace platform
