#include "platform/math/Quaternion.h"

#include <cmath>

#include "platform/math/Matrix.h"

namespace platform {

Quaternion QuaternionRotationYawPitchRoll(float yaw, float pitch, float roll) {
  const Quaternion r = QuaternionRotationAxis({0, 0, 1}, roll);
  const Quaternion p = QuaternionRotationAxis({1, 0, 0}, pitch);
  const Quaternion y = QuaternionRotationAxis({0, 1, 0}, yaw);
  return QuaternionMultiply(QuaternionMultiply(r, p), y);
}

Quaternion QuaternionRotationMatrix(const Matrix& a) {
  const auto& m = a.m;
  const float trace = m[0][0] + m[1][1] + m[2][2];
  // Take the square root of the largest of the four candidates (w, x, y, z) so that the
  // divisions below stay well away from zero.
  if (trace > 0.0f) {
    const float w = std::sqrt(1.0f + trace) * 0.5f, k = 0.25f / w;
    return {(m[1][2] - m[2][1]) * k, (m[2][0] - m[0][2]) * k, (m[0][1] - m[1][0]) * k, w};
  }
  if (m[0][0] >= m[1][1] && m[0][0] >= m[2][2]) {
    const float x = std::sqrt(1.0f + m[0][0] - m[1][1] - m[2][2]) * 0.5f, k = 0.25f / x;
    return {x, (m[0][1] + m[1][0]) * k, (m[0][2] + m[2][0]) * k, (m[1][2] - m[2][1]) * k};
  }
  if (m[1][1] >= m[2][2]) {
    const float y = std::sqrt(1.0f + m[1][1] - m[0][0] - m[2][2]) * 0.5f, k = 0.25f / y;
    return {(m[0][1] + m[1][0]) * k, y, (m[1][2] + m[2][1]) * k, (m[2][0] - m[0][2]) * k};
  }
  const float z = std::sqrt(1.0f + m[2][2] - m[0][0] - m[1][1]) * 0.5f, k = 0.25f / z;
  return {(m[0][2] + m[2][0]) * k, (m[1][2] + m[2][1]) * k, z, (m[0][1] - m[1][0]) * k};
}

Quaternion QuaternionSlerp(const Quaternion& a, const Quaternion& b, float t) {
  float cosine = QuaternionDot(a, b);
  // q and -q are the same rotation: go through whichever is nearer to a.
  const float sign = cosine < 0.0f ? -1.0f : 1.0f;
  cosine *= sign;
  float wa = 1.0f - t, wb = t;
  if (cosine < 0.999f) {
    const float theta = std::acos(cosine), sine = std::sin(theta);
    wa = std::sin(wa * theta) / sine;
    wb = std::sin(wb * theta) / sine;
  }
  return a * wa + b * (wb * sign);
}

}  // namespace platform
