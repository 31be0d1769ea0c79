#include "platform/math/Frustum.h"

#include <cmath>

namespace platform {

void Frustum::Build(Matrix& viewProjection) {
  const std::optional<Matrix> inverse = MatrixInverse(viewProjection);
  if (!inverse) return;
  viewProjection = *inverse;
  // The corners of the clip volume: x and y in {-1, 1}, depth in {0, 1}.
  Vector3 p[8];
  for (int i = 0; i < 8; ++i) {
    const Vector3 corner{(i & 1) ? 1.0f : -1.0f, (i & 2) ? 1.0f : -1.0f, (i & 4) ? 1.0f : 0.0f};
    p[i] = Vec3TransformCoord(corner, viewProjection);
  }
  planes_[kNear] = PlaneFromPoints(p[0], p[1], p[2]);
  planes_[kFar] = PlaneFromPoints(p[6], p[7], p[5]);
  planes_[kLeft] = PlaneFromPoints(p[2], p[6], p[4]);
  planes_[kRight] = PlaneFromPoints(p[7], p[3], p[5]);
  planes_[kTop] = PlaneFromPoints(p[2], p[3], p[6]);
  planes_[kBottom] = PlaneFromPoints(p[1], p[0], p[4]);
}

bool Frustum::TestBox(float cx, float cy, float cz, float ex, float ey, float ez) const {
  for (const Plane& q : planes_) {
    const float s = q.a * cx + q.b * cy + q.c * cz + q.d;
    const float r = std::fabs(q.a) * ex + std::fabs(q.b) * ey + std::fabs(q.c) * ez;
    if (s + r < 0) return false;
  }
  return true;
}

bool Frustum::TestSphere(float cx, float cy, float cz, float radius) const {
  for (const Plane& q : planes_) {
    if (q.a * cx + q.b * cy + q.c * cz + q.d < -radius) return false;
  }
  return true;
}

}  // namespace platform
