#include "platform/xfile/XMath.h"

#include <cmath>

namespace platform::xfile {

Matrix IdentityMatrix() { return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}; }

Matrix Multiply(const Matrix& a, const Matrix& b) {
  Matrix r{};
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) {
      float s = 0;
      for (int k = 0; k < 4; ++k) s += a[i * 4 + k] * b[k * 4 + j];
      r[i * 4 + j] = s;
    }
  return r;
}

Vec3 TransformPoint(const Vec3& v, const Matrix& m) {
  return {v.x * m[0] + v.y * m[4] + v.z * m[8] + m[12],
          v.x * m[1] + v.y * m[5] + v.z * m[9] + m[13],
          v.x * m[2] + v.y * m[6] + v.z * m[10] + m[14]};
}

Vec3 TransformNormal(const Vec3& v, const Matrix& m) {
  return {v.x * m[0] + v.y * m[4] + v.z * m[8], v.x * m[1] + v.y * m[5] + v.z * m[9],
          v.x * m[2] + v.y * m[6] + v.z * m[10]};
}

Matrix ScaleRotateTranslate(const Vec3& s, const Quat& q, const Vec3& t) {
  const float x = q.x, y = q.y, z = q.z, w = q.w;
  const float r[9] = {1 - 2 * (y * y + z * z), 2 * (x * y - z * w),     2 * (x * z + y * w),
                      2 * (x * y + z * w),     1 - 2 * (x * x + z * z), 2 * (y * z - x * w),
                      2 * (x * z - y * w),     2 * (y * z + x * w),     1 - 2 * (x * x + y * y)};
  const float scale[3] = {s.x, s.y, s.z};
  Matrix m{};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) m[i * 4 + j] = scale[i] * r[i * 3 + j];
  m[12] = t.x;
  m[13] = t.y;
  m[14] = t.z;
  m[15] = 1;
  return m;
}

Vec3 Lerp(const Vec3& a, const Vec3& b, float t) {
  return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t, a.z + (b.z - a.z) * t};
}

Quat Slerp(const Quat& a, const Quat& bIn, float t) {
  Quat b = bIn;
  float cosom = a.x * b.x + a.y * b.y + a.z * b.z + a.w * b.w;
  if (cosom < 0) {
    cosom = -cosom;
    b = {-b.x, -b.y, -b.z, -b.w};
  }
  float k0 = 1 - t, k1 = t;
  if (cosom < 0.9999f) {
    const float omega = std::acos(cosom);
    const float sinom = std::sin(omega);
    k0 = std::sin((1 - t) * omega) / sinom;
    k1 = std::sin(t * omega) / sinom;
  }
  Quat r{a.x * k0 + b.x * k1, a.y * k0 + b.y * k1, a.z * k0 + b.z * k1, a.w * k0 + b.w * k1};
  const float len = std::sqrt(r.x * r.x + r.y * r.y + r.z * r.z + r.w * r.w);
  if (len > 0) r = {r.x / len, r.y / len, r.z / len, r.w / len};
  return r;
}

Matrix Lerp(const Matrix& a, const Matrix& b, float t) {
  Matrix r;
  for (int i = 0; i < 16; ++i) r[i] = a[i] + (b[i] - a[i]) * t;
  return r;
}

Vec3 Add(const Vec3& a, const Vec3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec3 Sub(const Vec3& a, const Vec3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec3 Scale(const Vec3& v, float s) { return {v.x * s, v.y * s, v.z * s}; }
Vec3 Cross(const Vec3& a, const Vec3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
float Dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
float Length(const Vec3& v) { return std::sqrt(Dot(v, v)); }
Vec3 Normalize(const Vec3& v) {
  const float len = Length(v);
  return len > 0 ? Scale(v, 1 / len) : v;
}

}  // namespace platform::xfile
