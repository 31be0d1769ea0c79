#pragma once
#include <cmath>

#include "platform/math/FloatTuple.h"
#include "platform/math/Vector.h"

// Rotation quaternions (x, y, z, w) as the game stores orientations. The conventions follow the
// row-vector matrices: QuaternionMultiply(a, b) is the rotation a followed by b, so that
// MatrixRotationQuaternion(QuaternionMultiply(a, b)) = MatrixRotationQuaternion(a) x
// MatrixRotationQuaternion(b). A positive angle turns clockwise as seen from the positive end of
// the axis looking towards the origin (left-handed), as MatrixRotationAxis does.
namespace platform {

struct Matrix;

struct Quaternion {
  float x = 0, y = 0, z = 0, w = 0;
  constexpr bool operator==(const Quaternion&) const = default;
};

template <>
inline constexpr FloatMembers<&Quaternion::x, &Quaternion::y, &Quaternion::z, &Quaternion::w>
    kFloatTupleMembers<Quaternion>{};

// (0, 0, 0, 1): no rotation.
constexpr Quaternion QuaternionIdentity() { return {0, 0, 0, 1}; }

constexpr float QuaternionDot(const Quaternion& a, const Quaternion& b) {
  return a.x * b.x + a.y * b.y + a.z * b.z + a.w * b.w;
}
constexpr float QuaternionLengthSq(const Quaternion& q) { return QuaternionDot(q, q); }
inline float QuaternionLength(const Quaternion& q) { return std::sqrt(QuaternionLengthSq(q)); }

// Unit length; the zero quaternion stays zero.
inline Quaternion QuaternionNormalize(const Quaternion& q) {
  return detail::DivideOrZero(q, QuaternionLength(q));
}

// (-x, -y, -z, w): the opposite rotation of a unit quaternion.
constexpr Quaternion QuaternionConjugate(const Quaternion& q) { return {-q.x, -q.y, -q.z, q.w}; }

// Conjugate / squared length, so that QuaternionMultiply(q, inverse) is the identity for any
// non-zero q; the zero quaternion stays zero.
constexpr Quaternion QuaternionInverse(const Quaternion& q) {
  return detail::DivideOrZero(QuaternionConjugate(q), QuaternionLengthSq(q));
}

// The rotation a followed by the rotation b: the Hamilton product b a.
constexpr Quaternion QuaternionMultiply(const Quaternion& a, const Quaternion& b) {
  const float x = b.w * a.x + b.x * a.w + b.y * a.z - b.z * a.y;
  const float y = b.w * a.y - b.x * a.z + b.y * a.w + b.z * a.x;
  const float z = b.w * a.z + b.x * a.y - b.y * a.x + b.z * a.w;
  const float w = b.w * a.w - b.x * a.x - b.y * a.y - b.z * a.z;
  return {x, y, z, w};
}

// Rotation by `angle` radians about `axis`, which is normalised first; a zero axis gives the
// identity (no rotation) instead of NaN.
inline Quaternion QuaternionRotationAxis(const Vector3& axis, float angle) {
  const float length = Vec3Length(axis);
  if (!(length > 0.0f)) return QuaternionIdentity();
  const float s = std::sin(angle * 0.5f) / length;
  return {axis.x * s, axis.y * s, axis.z * s, std::cos(angle * 0.5f)};
}

// Roll about z first, then pitch about x, then yaw about y (angles in radians).
Quaternion QuaternionRotationYawPitchRoll(float yaw, float pitch, float roll);

// The rotation of the upper 3 x 3 part of `m`, which must be a pure rotation.
Quaternion QuaternionRotationMatrix(const Matrix& m);

// Spherical blend along the shorter arc: t = 0 gives a, t = 1 gives b (or -b, the same
// rotation, when the arc through -b is shorter). Nearly equal inputs blend linearly.
Quaternion QuaternionSlerp(const Quaternion& a, const Quaternion& b, float t);

}  // namespace platform
