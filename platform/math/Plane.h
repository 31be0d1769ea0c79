#pragma once

#include "platform/math/Vector.h"

// Planes a x + b y + c z + d = 0. A point p is on the positive side when
// PlaneDotCoord(plane, p) > 0, which is the side the normal (a, b, c) points to.
namespace platform {

struct Plane {
  float a = 0, b = 0, c = 0, d = 0;

  constexpr bool operator==(const Plane&) const = default;
};

constexpr Vector3 PlaneNormal(const Plane& p) { return {p.a, p.b, p.c}; }

// a x + b y + c z + d: the signed distance when the plane is normalised.
constexpr float PlaneDotCoord(const Plane& p, const Vector3& v) {
  return p.a * v.x + p.b * v.y + p.c * v.z + p.d;
}

// a x + b y + c z: the plane's normal dotted with a direction.
constexpr float PlaneDotNormal(const Plane& p, const Vector3& v) {
  return p.a * v.x + p.b * v.y + p.c * v.z;
}

// The plane through `point` with the normal `normal` as given (not normalised).
constexpr Plane PlaneFromPointNormal(const Vector3& point, const Vector3& normal) {
  return {normal.x, normal.y, normal.z, -Vec3Dot(normal, point)};
}

// The plane through three points with the unit normal (p2 - p1) x (p3 - p1), d = -(normal . p1).
// Seen from the side the normal points to, p1 p2 p3 run clockwise (left-handed). Points on one
// line give the zero plane.
inline Plane PlaneFromPoints(const Vector3& p1, const Vector3& p2, const Vector3& p3) {
  return PlaneFromPointNormal(p1, Vec3Normalize(Vec3Cross(p2 - p1, p3 - p1)));
}

// Scales all four coefficients so that the normal has unit length; the zero plane stays zero.
inline Plane PlaneNormalize(const Plane& p) {
  const float length = Vec3Length(PlaneNormal(p));
  if (!(length > 0.0f)) return {};
  return {p.a / length, p.b / length, p.c / length, p.d / length};
}

}  // namespace platform
