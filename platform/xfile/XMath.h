#pragma once
#include <array>

// The few vector, quaternion and matrix operations the model reader and its animation need, in
// the row-vector convention of the model files: a point is transformed as v x M, and a chain of
// transforms reads left to right (Local x ParentCombined).
namespace platform::xfile {

struct Vec3 {
  float x = 0, y = 0, z = 0;
};

// Stored as the file writes rotation keys, w first in the file but kept here as x, y, z, w.
struct Quat {
  float x = 0, y = 0, z = 0, w = 1;
};

// Row-major 4 x 4; element (row r, column c) is m[r * 4 + c]; translation in m[12..14].
using Matrix = std::array<float, 16>;

Matrix IdentityMatrix();
Matrix Multiply(const Matrix& a, const Matrix& b);  // a x b
Vec3 TransformPoint(const Vec3& v, const Matrix& m);
Vec3 TransformNormal(const Vec3& v, const Matrix& m);  // upper 3 x 3 only

// Scale, then rotate, then translate. The rotation of a file quaternion q is the one the model
// files mean: the files store the conjugate of the row-vector rotation, so this builds the
// matrix of conj(q) for row vectors (numerically the column-vector matrix of q).
Matrix ScaleRotateTranslate(const Vec3& scale, const Quat& rotation, const Vec3& translation);

Vec3 Lerp(const Vec3& a, const Vec3& b, float t);
Quat Slerp(const Quat& a, const Quat& b, float t);  // along the shorter arc
Matrix Lerp(const Matrix& a, const Matrix& b, float t);

Vec3 Add(const Vec3& a, const Vec3& b);
Vec3 Sub(const Vec3& a, const Vec3& b);
Vec3 Scale(const Vec3& v, float s);
Vec3 Cross(const Vec3& a, const Vec3& b);
float Dot(const Vec3& a, const Vec3& b);
float Length(const Vec3& v);
Vec3 Normalize(const Vec3& v);  // a zero vector stays zero

}  // namespace platform::xfile
