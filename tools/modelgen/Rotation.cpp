#include "tools/modelgen/Rotation.h"

#include <cmath>

namespace modelgen {

using namespace platform::xfile;

Quat AxisAngle(const Vec3& axis, float radians) {
  const Vec3 a = Normalize(axis);
  const float s = std::sin(radians / 2);
  return {a.x * s, a.y * s, a.z * s, std::cos(radians / 2)};
}

Quat Then(const Quat& first, const Quat& second) {
  const Quat& a = second;
  const Quat& b = first;
  return {
      a.w * b.x + a.x * b.w + a.y * b.z - a.z * b.y, a.w * b.y - a.x * b.z + a.y * b.w + a.z * b.x,
      a.w * b.z + a.x * b.y - a.y * b.x + a.z * b.w, a.w * b.w - a.x * b.x - a.y * b.y - a.z * b.z};
}

Vec3 Rotate(const Quat& q, const Vec3& v) {
  const Quat p = Then(Then(Quat{-q.x, -q.y, -q.z, q.w}, Quat{v.x, v.y, v.z, 0}), q);
  return {p.x, p.y, p.z};
}

Quat FileKey(const Quat& q) { return {-q.x, -q.y, -q.z, q.w}; }

Matrix RotateTranslate(const Quat& q, const Vec3& translation) {
  return ScaleRotateTranslate({1, 1, 1}, FileKey(q), translation);
}

Matrix InverseRigid(const Matrix& m) {
  Matrix r = IdentityMatrix();
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) r[i * 4 + j] = m[j * 4 + i];
  const Vec3 t = TransformNormal({m[12], m[13], m[14]}, r);
  r[12] = -t.x;
  r[13] = -t.y;
  r[14] = -t.z;
  return r;
}

float Radians(float degrees) { return degrees * 3.14159265358979f / 180.0f; }

}  // namespace modelgen
