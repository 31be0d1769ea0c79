#pragma once
#include "platform/xfile/XMath.h"

// Rotations as the generator thinks of them: ordinary right-hand-rule quaternions acting on
// points. The model files store the conjugate (their readers build the row-vector matrix of
// conj(q)), so keys and frame matrices go through the two converters below.
namespace modelgen {

using platform::xfile::Matrix;
using platform::xfile::Quat;
using platform::xfile::Vec3;

Quat AxisAngle(const Vec3& axis, float radians);
inline Quat AboutX(float radians) { return AxisAngle({1, 0, 0}, radians); }
inline Quat AboutY(float radians) { return AxisAngle({0, 1, 0}, radians); }
inline Quat AboutZ(float radians) { return AxisAngle({0, 0, 1}, radians); }

// The rotation `first`, then `second`.
Quat Then(const Quat& first, const Quat& second);
Vec3 Rotate(const Quat& q, const Vec3& v);

// What a rotation key of the model file holds for q.
Quat FileKey(const Quat& q);
// The row-vector matrix that rotates by q, then translates.
Matrix RotateTranslate(const Quat& q, const Vec3& translation);
// Inverse of a rotation-plus-translation matrix.
Matrix InverseRigid(const Matrix& m);

float Radians(float degrees);

}  // namespace modelgen
