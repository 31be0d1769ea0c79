#pragma once
#include <optional>
#include <type_traits>

#include "platform/math/Quaternion.h"
#include "platform/math/Vector.h"

// 4 x 4 float matrices in the game's conventions: row vectors (v' = v x M, translation in the
// fourth row), products read left to right in the order the transforms apply (World = S x R x T),
// left-handed view and projection with depth 0 at the near plane and 1 at the far plane. The
// sixteen floats are stored row by row, m[row][column], and are uploaded as they are.
namespace platform {

struct Matrix {
  float m[4][4] = {};

  constexpr Matrix() = default;
  constexpr Matrix(float m11, float m12, float m13, float m14, float m21, float m22, float m23,
                   float m24, float m31, float m32, float m33, float m34, float m41, float m42,
                   float m43, float m44)
      : m{{m11, m12, m13, m14}, {m21, m22, m23, m24}, {m31, m32, m33, m34}, {m41, m42, m43, m44}} {}

  // Element at 0-based row and column.
  constexpr float& operator()(int row, int column) { return m[row][column]; }
  constexpr float operator()(int row, int column) const { return m[row][column]; }
  constexpr const float* Data() const { return &m[0][0]; }
  constexpr bool operator==(const Matrix&) const = default;
};

static_assert(sizeof(Matrix) == 16 * sizeof(float) && std::is_standard_layout_v<Matrix> &&
              std::is_trivially_copyable_v<Matrix>);

constexpr Matrix MatrixIdentity() {
  return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
}

// a x b: the transform a followed by b.
constexpr Matrix MatrixMultiply(const Matrix& a, const Matrix& b) {
  Matrix r;
  for (int i = 0; i < 4; ++i) {
    for (int j = 0; j < 4; ++j) {
      r.m[i][j] = a.m[i][0] * b.m[0][j] + a.m[i][1] * b.m[1][j] + a.m[i][2] * b.m[2][j] +
                  a.m[i][3] * b.m[3][j];
    }
  }
  return r;
}
constexpr Matrix operator*(const Matrix& a, const Matrix& b) { return MatrixMultiply(a, b); }

constexpr Matrix MatrixTranspose(const Matrix& a) {
  Matrix r;
  for (int i = 0; i < 4; ++i) {
    for (int j = 0; j < 4; ++j) r.m[i][j] = a.m[j][i];
  }
  return r;
}

float MatrixDeterminant(const Matrix& a);

// The inverse, or nothing when the determinant is zero; `determinant` (optional) receives it.
std::optional<Matrix> MatrixInverse(const Matrix& a, float* determinant = nullptr);

// Moves by (x, y, z): the fourth row.
constexpr Matrix MatrixTranslation(float x, float y, float z) {
  return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, x, y, z, 1};
}
constexpr Matrix MatrixTranslation(const Vector3& v) { return MatrixTranslation(v.x, v.y, v.z); }

// Scales each axis by its factor.
constexpr Matrix MatrixScaling(float x, float y, float z) {
  return {x, 0, 0, 0, 0, y, 0, 0, 0, 0, z, 0, 0, 0, 0, 1};
}

// Rotations by `angle` radians about one axis, clockwise as seen from the positive end of the
// axis looking towards the origin: RotationZ takes (1, 0, 0) to (cos, sin, 0).
inline Matrix MatrixRotationX(float angle) {
  const float c = std::cos(angle), s = std::sin(angle);
  return {1, 0, 0, 0, 0, c, s, 0, 0, -s, c, 0, 0, 0, 0, 1};
}
inline Matrix MatrixRotationY(float angle) {
  const float c = std::cos(angle), s = std::sin(angle);
  return {c, 0, -s, 0, 0, 1, 0, 0, s, 0, c, 0, 0, 0, 0, 1};
}
inline Matrix MatrixRotationZ(float angle) {
  const float c = std::cos(angle), s = std::sin(angle);
  return {c, s, 0, 0, -s, c, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
}

// Rotation about `axis` (normalised first; a zero axis gives the identity), same sense as above.
Matrix MatrixRotationAxis(const Vector3& axis, float angle);

// The rotation of quaternion q, which should be of unit length.
constexpr Matrix MatrixRotationQuaternion(const Quaternion& q) {
  const float xx = q.x * q.x, yy = q.y * q.y, zz = q.z * q.z;
  const float xy = q.x * q.y, xz = q.x * q.z, yz = q.y * q.z;
  const float wx = q.w * q.x, wy = q.w * q.y, wz = q.w * q.z;
  return {1 - 2 * (yy + zz), 2 * (xy + wz),     2 * (xz - wy),     0,
          2 * (xy - wz),     1 - 2 * (xx + zz), 2 * (yz + wx),     0,
          2 * (xz + wy),     2 * (yz - wx),     1 - 2 * (xx + yy), 0,
          0,                 0,                 0,                 1};
}

// Roll about z first, then pitch about x, then yaw about y (radians).
Matrix MatrixRotationYawPitchRoll(float yaw, float pitch, float roll);

// Uniform scaling, then `rotation` about `rotationCenter`, then `translation`:
// S x T(-centre) x R x T(centre) x T(translation). The identity rotation, a zero centre or a zero
// translation leave their step out; without a rotation the centre has no effect.
Matrix MatrixAffineTransformation(float scaling, const Vector3& rotationCenter,
                                  const Quaternion& rotation, const Vector3& translation);

// Splits S x R x T into its scale factors, rotation and translation; false when a scale factor
// is zero (the rotation is then undefined and the outputs are left unchanged).
bool MatrixDecompose(const Matrix& a, Vector3* scale, Quaternion* rotation, Vector3* translation);

// Left-handed view from `eye` looking at `at`: the view direction becomes +z, `up` leans +y.
Matrix MatrixLookAtLH(const Vector3& eye, const Vector3& at, const Vector3& up);

// Left-handed perspective: vertical field of view `fovY` (radians), aspect = width / height;
// view depth zNear maps to 0 and zFar to 1 after the divide by w (= view z).
Matrix MatrixPerspectiveFovLH(float fovY, float aspect, float zNear, float zFar);

// Left-handed orthographic projection of the box [left, right] x [bottom, top] x [zNear, zFar]
// onto x, y in [-1, 1] and depth in [0, 1].
Matrix MatrixOrthoOffCenterLH(float left, float right, float bottom, float top, float zNear,
                              float zFar);

// (v, 0) x M: transforms a direction, without translation and not normalised.
constexpr Vector3 Vec3TransformNormal(const Vector3& v, const Matrix& a) {
  return {v.x * a.m[0][0] + v.y * a.m[1][0] + v.z * a.m[2][0],
          v.x * a.m[0][1] + v.y * a.m[1][1] + v.z * a.m[2][1],
          v.x * a.m[0][2] + v.y * a.m[1][2] + v.z * a.m[2][2]};
}

// (v, w) x M with the whole four-float result.
constexpr Vector4 Vec4Transform(const Vector4& v, const Matrix& a) {
  return {v.x * a.m[0][0] + v.y * a.m[1][0] + v.z * a.m[2][0] + v.w * a.m[3][0],
          v.x * a.m[0][1] + v.y * a.m[1][1] + v.z * a.m[2][1] + v.w * a.m[3][1],
          v.x * a.m[0][2] + v.y * a.m[1][2] + v.z * a.m[2][2] + v.w * a.m[3][2],
          v.x * a.m[0][3] + v.y * a.m[1][3] + v.z * a.m[2][3] + v.w * a.m[3][3]};
}

// (v, 1) x M with the whole four-float result (no divide).
constexpr Vector4 Vec3Transform(const Vector3& v, const Matrix& a) {
  return Vec4Transform({v.x, v.y, v.z, 1.0f}, a);
}

// (v, 1) x M, divided by the resulting w: transforms a point, projections included. A w of 0
// (a point on the eye plane of a projection) leaves the coordinates undivided instead of
// producing infinities.
constexpr Vector3 Vec3TransformCoord(const Vector3& v, const Matrix& a) {
  const Vector4 r = Vec3Transform(v, a);
  return r.w != 0.0f ? Vector3{r.x / r.w, r.y / r.w, r.z / r.w} : Vector3{r.x, r.y, r.z};
}

}  // namespace platform
