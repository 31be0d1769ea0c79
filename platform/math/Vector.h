#pragma once
#include <cmath>

#include "platform/math/FloatTuple.h"

// Two-, three- and four-float vectors in the game's maths conventions: row vectors that matrices
// multiply from the right (v' = v x M), left-handed coordinates. All types are plain floats laid
// out in order, zero by default, so arrays of them can go straight into vertex buffers.
namespace platform {

struct Vector2 {
  float x = 0, y = 0;
  constexpr bool operator==(const Vector2&) const = default;
};

struct Vector3 {
  float x = 0, y = 0, z = 0;
  constexpr bool operator==(const Vector3&) const = default;
};

struct Vector4 {
  float x = 0, y = 0, z = 0, w = 0;
  constexpr bool operator==(const Vector4&) const = default;
};

template <>
inline constexpr FloatMembers<&Vector2::x, &Vector2::y> kFloatTupleMembers<Vector2>{};
template <>
inline constexpr FloatMembers<&Vector3::x, &Vector3::y, &Vector3::z> kFloatTupleMembers<Vector3>{};
template <>
inline constexpr FloatMembers<&Vector4::x, &Vector4::y, &Vector4::z, &Vector4::w>
    kFloatTupleMembers<Vector4>{};

// Dot products.
constexpr float Vec2Dot(const Vector2& a, const Vector2& b) { return a.x * b.x + a.y * b.y; }
constexpr float Vec3Dot(const Vector3& a, const Vector3& b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}
constexpr float Vec4Dot(const Vector4& a, const Vector4& b) {
  return a.x * b.x + a.y * b.y + a.z * b.z + a.w * b.w;
}

// Lengths and squared lengths.
constexpr float Vec2LengthSq(const Vector2& v) { return Vec2Dot(v, v); }
constexpr float Vec3LengthSq(const Vector3& v) { return Vec3Dot(v, v); }
constexpr float Vec4LengthSq(const Vector4& v) { return Vec4Dot(v, v); }
inline float Vec2Length(const Vector2& v) { return std::sqrt(Vec2LengthSq(v)); }
inline float Vec3Length(const Vector3& v) { return std::sqrt(Vec3LengthSq(v)); }
inline float Vec4Length(const Vector4& v) { return std::sqrt(Vec4LengthSq(v)); }

// Unit vectors; a zero vector stays zero.
inline Vector2 Vec2Normalize(const Vector2& v) { return detail::DivideOrZero(v, Vec2Length(v)); }
inline Vector3 Vec3Normalize(const Vector3& v) { return detail::DivideOrZero(v, Vec3Length(v)); }
inline Vector4 Vec4Normalize(const Vector4& v) { return detail::DivideOrZero(v, Vec4Length(v)); }

// a x b = (a.y b.z - a.z b.y, a.z b.x - a.x b.z, a.x b.y - a.y b.x). The formula is the usual
// one; in left-handed space (x right, y up) x cross y = z points into the screen.
constexpr Vector3 Vec3Cross(const Vector3& a, const Vector3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

// Linear blends: t = 0 gives a, t = 1 gives b.
constexpr Vector2 Vec2Lerp(const Vector2& a, const Vector2& b, float t) {
  return detail::Lerp(a, b, t);
}
constexpr Vector3 Vec3Lerp(const Vector3& a, const Vector3& b, float t) {
  return detail::Lerp(a, b, t);
}
constexpr Vector4 Vec4Lerp(const Vector4& a, const Vector4& b, float t) {
  return detail::Lerp(a, b, t);
}

// The uniform Catmull-Rom spline through p1 (t = 0) and p2 (t = 1), shaped by p0 and p3:
// 0.5 (2 p1 + (p2 - p0) t + (2 p0 - 5 p1 + 4 p2 - p3) t^2 + (3 p1 - p0 - 3 p2 + p3) t^3).
constexpr Vector3 Vec3CatmullRom(const Vector3& p0, const Vector3& p1, const Vector3& p2,
                                 const Vector3& p3, float t) {
  const float t2 = t * t, t3 = t2 * t;
  return 0.5f * (2.0f * p1 + (p2 - p0) * t + (2.0f * p0 - 5.0f * p1 + 4.0f * p2 - p3) * t2 +
                 (3.0f * p1 - p0 - 3.0f * p2 + p3) * t3);
}

}  // namespace platform
