#pragma once
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

#include "platform/math/Math.h"

// Float-tolerant comparisons for the maths tests, printing both values on failure.
namespace platform {

inline std::ostream& operator<<(std::ostream& o, const Vector3& v) {
  return o << "(" << v.x << ", " << v.y << ", " << v.z << ")";
}
inline std::ostream& operator<<(std::ostream& o, const Vector4& v) {
  return o << "(" << v.x << ", " << v.y << ", " << v.z << ", " << v.w << ")";
}
inline std::ostream& operator<<(std::ostream& o, const Quaternion& q) {
  return o << "(" << q.x << ", " << q.y << ", " << q.z << ", " << q.w << ")";
}
inline std::ostream& operator<<(std::ostream& o, const Plane& p) {
  return o << "(" << p.a << ", " << p.b << ", " << p.c << ", " << p.d << ")";
}
inline std::ostream& operator<<(std::ostream& o, const Matrix& m) {
  for (int i = 0; i < 4; ++i)
    o << "[" << m(i, 0) << " " << m(i, 1) << " " << m(i, 2) << " " << m(i, 3) << "]";
  return o;
}

}  // namespace platform

namespace near_detail {
constexpr float kEps = 1e-5f;
inline bool Close(const float* a, const float* b, int n, float eps) {
  for (int i = 0; i < n; ++i) {
    if (!(std::fabs(a[i] - b[i]) <= eps)) return false;
  }
  return true;
}
}  // namespace near_detail

template <typename T>
::testing::AssertionResult Near(const T& actual, const T& expected, float eps = near_detail::kEps) {
  static_assert(sizeof(T) % sizeof(float) == 0);
  if (near_detail::Close(reinterpret_cast<const float*>(&actual),
                         reinterpret_cast<const float*>(&expected), sizeof(T) / sizeof(float),
                         eps)) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << "got " << ::testing::PrintToString(actual)
                                       << ", expected " << ::testing::PrintToString(expected);
}
