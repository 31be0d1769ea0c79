#include "platform/math/Matrix.h"

#include <cmath>

namespace platform {
namespace {

// The twelve 2 x 2 minors of the top two and bottom two rows, from which both the determinant
// and the adjugate follow (Laplace expansion by complementary minors).
struct Minors {
  float s[6], c[6];

  explicit Minors(const Matrix& a) {
    const auto& m = a.m;
    s[0] = m[0][0] * m[1][1] - m[1][0] * m[0][1];
    s[1] = m[0][0] * m[1][2] - m[1][0] * m[0][2];
    s[2] = m[0][0] * m[1][3] - m[1][0] * m[0][3];
    s[3] = m[0][1] * m[1][2] - m[1][1] * m[0][2];
    s[4] = m[0][1] * m[1][3] - m[1][1] * m[0][3];
    s[5] = m[0][2] * m[1][3] - m[1][2] * m[0][3];
    c[0] = m[2][0] * m[3][1] - m[3][0] * m[2][1];
    c[1] = m[2][0] * m[3][2] - m[3][0] * m[2][2];
    c[2] = m[2][0] * m[3][3] - m[3][0] * m[2][3];
    c[3] = m[2][1] * m[3][2] - m[3][1] * m[2][2];
    c[4] = m[2][1] * m[3][3] - m[3][1] * m[2][3];
    c[5] = m[2][2] * m[3][3] - m[3][2] * m[2][3];
  }

  float Determinant() const {
    return s[0] * c[5] - s[1] * c[4] + s[2] * c[3] + s[3] * c[2] - s[4] * c[1] + s[5] * c[0];
  }
};

}  // namespace

float MatrixDeterminant(const Matrix& a) { return Minors(a).Determinant(); }

std::optional<Matrix> MatrixInverse(const Matrix& a, float* determinant) {
  const Minors n(a);
  const float det = n.Determinant();
  if (determinant) *determinant = det;
  if (det == 0.0f || !std::isfinite(det)) return std::nullopt;
  const float k = 1.0f / det;
  const auto& m = a.m;
  const float* s = n.s;
  const float* c = n.c;
  return Matrix{(m[1][1] * c[5] - m[1][2] * c[4] + m[1][3] * c[3]) * k,
                (-m[0][1] * c[5] + m[0][2] * c[4] - m[0][3] * c[3]) * k,
                (m[3][1] * s[5] - m[3][2] * s[4] + m[3][3] * s[3]) * k,
                (-m[2][1] * s[5] + m[2][2] * s[4] - m[2][3] * s[3]) * k,

                (-m[1][0] * c[5] + m[1][2] * c[2] - m[1][3] * c[1]) * k,
                (m[0][0] * c[5] - m[0][2] * c[2] + m[0][3] * c[1]) * k,
                (-m[3][0] * s[5] + m[3][2] * s[2] - m[3][3] * s[1]) * k,
                (m[2][0] * s[5] - m[2][2] * s[2] + m[2][3] * s[1]) * k,

                (m[1][0] * c[4] - m[1][1] * c[2] + m[1][3] * c[0]) * k,
                (-m[0][0] * c[4] + m[0][1] * c[2] - m[0][3] * c[0]) * k,
                (m[3][0] * s[4] - m[3][1] * s[2] + m[3][3] * s[0]) * k,
                (-m[2][0] * s[4] + m[2][1] * s[2] - m[2][3] * s[0]) * k,

                (-m[1][0] * c[3] + m[1][1] * c[1] - m[1][2] * c[0]) * k,
                (m[0][0] * c[3] - m[0][1] * c[1] + m[0][2] * c[0]) * k,
                (-m[3][0] * s[3] + m[3][1] * s[1] - m[3][2] * s[0]) * k,
                (m[2][0] * s[3] - m[2][1] * s[1] + m[2][2] * s[0]) * k};
}

Matrix MatrixRotationAxis(const Vector3& axis, float angle) {
  const Vector3 n = Vec3Normalize(axis);
  if (n == Vector3{}) return MatrixIdentity();
  const float c = std::cos(angle), s = std::sin(angle), t = 1.0f - c;
  return {t * n.x * n.x + c,       t * n.x * n.y + s * n.z, t * n.x * n.z - s * n.y, 0,
          t * n.x * n.y - s * n.z, t * n.y * n.y + c,       t * n.y * n.z + s * n.x, 0,
          t * n.x * n.z + s * n.y, t * n.y * n.z - s * n.x, t * n.z * n.z + c,       0,
          0,                       0,                       0,                       1};
}

Matrix MatrixRotationYawPitchRoll(float yaw, float pitch, float roll) {
  return MatrixRotationZ(roll) * MatrixRotationX(pitch) * MatrixRotationY(yaw);
}

Matrix MatrixAffineTransformation(float scaling, const Vector3& rotationCenter,
                                  const Quaternion& rotation, const Vector3& translation) {
  return MatrixScaling(scaling, scaling, scaling) * MatrixTranslation(-rotationCenter) *
         MatrixRotationQuaternion(rotation) * MatrixTranslation(rotationCenter + translation);
}

bool MatrixDecompose(const Matrix& a, Vector3* scale, Quaternion* rotation, Vector3* translation) {
  const Vector3 rows[3] = {{a.m[0][0], a.m[0][1], a.m[0][2]},
                           {a.m[1][0], a.m[1][1], a.m[1][2]},
                           {a.m[2][0], a.m[2][1], a.m[2][2]}};
  Vector3 s{Vec3Length(rows[0]), Vec3Length(rows[1]), Vec3Length(rows[2])};
  if (!(s.x > 0.0f && s.y > 0.0f && s.z > 0.0f)) return false;
  // A mirrored matrix has no rotation quaternion; fold the mirror into the x scale so that the
  // rotation stays a rotation (the plain row lengths would give a meaningless quaternion).
  if (Vec3Dot(Vec3Cross(rows[0], rows[1]), rows[2]) < 0.0f) s.x = -s.x;
  const Vector3 x = rows[0] / s.x, y = rows[1] / s.y, z = rows[2] / s.z;
  if (scale) *scale = s;
  if (rotation) {
    *rotation = QuaternionRotationMatrix(
        Matrix{x.x, x.y, x.z, 0, y.x, y.y, y.z, 0, z.x, z.y, z.z, 0, 0, 0, 0, 1});
  }
  if (translation) *translation = {a.m[3][0], a.m[3][1], a.m[3][2]};
  return true;
}

Matrix MatrixLookAtLH(const Vector3& eye, const Vector3& at, const Vector3& up) {
  const Vector3 z = Vec3Normalize(at - eye);
  const Vector3 x = Vec3Normalize(Vec3Cross(up, z));
  const Vector3 y = Vec3Cross(z, x);
  return {x.x, y.x, z.x, 0,
          x.y, y.y, z.y, 0,
          x.z, y.z, z.z, 0,
          -Vec3Dot(x, eye), -Vec3Dot(y, eye), -Vec3Dot(z, eye), 1};
}

Matrix MatrixPerspectiveFovLH(float fovY, float aspect, float zNear, float zFar) {
  const float yScale = 1.0f / std::tan(fovY * 0.5f);
  const float xScale = yScale / aspect;
  const float q = zFar / (zFar - zNear);
  return {xScale, 0, 0, 0, 0, yScale, 0, 0, 0, 0, q, 1, 0, 0, -zNear * q, 0};
}

Matrix MatrixOrthoOffCenterLH(float left, float right, float bottom, float top, float zNear,
                              float zFar) {
  return {2.0f / (right - left), 0, 0, 0,
          0, 2.0f / (top - bottom), 0, 0,
          0, 0, 1.0f / (zFar - zNear), 0,
          (left + right) / (left - right), (top + bottom) / (bottom - top),
          zNear / (zNear - zFar), 1};
}

}  // namespace platform
