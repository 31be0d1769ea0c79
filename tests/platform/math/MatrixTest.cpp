#include <gtest/gtest.h>

#include <numbers>
#include <random>

#include "platform/math/Matrix.h"
#include "tests/platform/math/Near.h"

using namespace platform;

namespace {
constexpr float kHalfPi = std::numbers::pi_v<float> / 2;
}

TEST(Matrix, IsSixteenFloatsRowByRowWithTranslationInTheFourthRow) {
  const Matrix t = MatrixTranslation(1, 2, 3);
  const float expected[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 1, 2, 3, 1};
  for (int i = 0; i < 16; ++i) EXPECT_EQ(t.Data()[i], expected[i]) << i;
  EXPECT_EQ(t(3, 1), 2.0f);
  EXPECT_EQ(MatrixTranspose(t)(1, 3), 2.0f);
  EXPECT_EQ(Matrix{}, Matrix(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0));
}

TEST(Matrix, RowVectorsApplyProductsLeftToRight) {
  const Vector3 p{1, 0, 0};
  // Translation(0, 0, 5) first: (1, 0, 5). Then RotationY(90 deg), rows (0 0 -1)(0 1 0)(1 0 0):
  // x' = 1*0 + 5*1 = 5, z' = 1*-1 + 5*0 = -1.
  EXPECT_TRUE(Near(Vec3TransformCoord(p, MatrixTranslation(0, 0, 5) * MatrixRotationY(kHalfPi)),
                   Vector3{5, 0, -1}));
  // The other order: RotationY turns (1, 0, 0) to (0, 0, -1), then the translation gives (0, 0, 4).
  EXPECT_TRUE(Near(Vec3TransformCoord(p, MatrixRotationY(kHalfPi) * MatrixTranslation(0, 0, 5)),
                   Vector3{0, 0, 4}));
  EXPECT_EQ(MatrixMultiply(MatrixScaling(2, 2, 2), MatrixIdentity()), MatrixScaling(2, 2, 2));
}

TEST(Matrix, AxisRotationsTurnTheNextAxisTowardsTheOneAfter) {
  // x -> y about z, y -> z about x, z -> x about y.
  EXPECT_TRUE(Near(Vec3TransformNormal({1, 0, 0}, MatrixRotationZ(kHalfPi)), Vector3{0, 1, 0}));
  EXPECT_TRUE(Near(Vec3TransformNormal({0, 1, 0}, MatrixRotationX(kHalfPi)), Vector3{0, 0, 1}));
  EXPECT_TRUE(Near(Vec3TransformNormal({0, 0, 1}, MatrixRotationY(kHalfPi)), Vector3{1, 0, 0}));
}

TEST(Matrix, RotationAxisNormalisesItsAxis) {
  EXPECT_TRUE(Near(MatrixRotationAxis({0, 0, 5}, 0.7f), MatrixRotationZ(0.7f)));
  EXPECT_TRUE(Near(MatrixRotationAxis({-3, 0, 0}, 0.7f), MatrixRotationX(-0.7f)));
  // About (1, 1, 1) by 120 deg: c = -0.5, s = sqrt(3)/2, t = 1.5, n_i n_j = 1/3, so row 0 =
  // (1.5/3 - 0.5, 1.5/3 + s/sqrt(3), 1.5/3 - s/sqrt(3)) = (0, 1, 0): the axes cycle x -> y -> z.
  const Matrix m = MatrixRotationAxis({2, 2, 2}, 2 * std::numbers::pi_v<float> / 3);
  EXPECT_TRUE(Near(Vec3TransformNormal({1, 0, 0}, m), Vector3{0, 1, 0}));
  EXPECT_TRUE(Near(Vec3TransformNormal({0, 1, 0}, m), Vector3{0, 0, 1}));
  // A zero axis is no rotation.
  EXPECT_EQ(MatrixRotationAxis({}, 1.0f), MatrixIdentity());
}

TEST(Matrix, YawPitchRollTurnsRollThenPitchThenYaw) {
  EXPECT_TRUE(Near(MatrixRotationYawPitchRoll(0.3f, 0, 0), MatrixRotationY(0.3f)));
  EXPECT_TRUE(Near(MatrixRotationYawPitchRoll(0, 0.3f, 0), MatrixRotationX(0.3f)));
  // Roll 90 deg takes (1, 0, 0) to (0, 1, 0), which yaw about y leaves alone. Yaw first would
  // have given (0, 0, -1).
  EXPECT_TRUE(Near(Vec3TransformNormal({1, 0, 0}, MatrixRotationYawPitchRoll(kHalfPi, 0, kHalfPi)),
                   Vector3{0, 1, 0}));
}

TEST(Matrix, TransformsPointsDirectionsAndHomogeneousVectors) {
  const Matrix t = MatrixTranslation(5, 5, 5);
  EXPECT_EQ(Vec3TransformCoord({1, 0, 0}, t), (Vector3{6, 5, 5}));
  EXPECT_EQ(Vec3TransformNormal({1, 0, 0}, t), (Vector3{1, 0, 0}));
  EXPECT_EQ(Vec3Transform({1, 0, 0}, t), (Vector4{6, 5, 5, 1}));
  EXPECT_EQ(Vec4Transform({1, 0, 0, 0}, t), (Vector4{1, 0, 0, 0}));
  // A 4th column of (0, 0, 0, 2) makes w = 2: the point is divided by it.
  const Matrix half(1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 2);
  EXPECT_EQ(Vec3TransformCoord({4, 6, 8}, half), (Vector3{2, 3, 4}));
  // w = 0 (the eye plane of a projection) gives no infinities.
  const Matrix zeroW(1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0);
  EXPECT_EQ(Vec3TransformCoord({4, 6, 8}, zeroW), (Vector3{4, 6, 8}));
}

TEST(Matrix, InverseOfARigidTransform) {
  // M = RotationZ(90) x Translation(1, 2, 3), rows (0 1 0)(-1 0 0)(0 0 1)(1 2 3). Its inverse
  // has the transposed rotation, rows (0 -1 0)(1 0 0)(0 0 1), and the translation
  // -(1, 2, 3) x R^T = -(2, -1, 3).
  const Matrix m = MatrixRotationZ(kHalfPi) * MatrixTranslation(1, 2, 3);
  float det = 0;
  const auto inverse = MatrixInverse(m, &det);
  ASSERT_TRUE(inverse.has_value());
  EXPECT_TRUE(Near(*inverse, Matrix(0, -1, 0, 0, 1, 0, 0, 0, 0, 0, 1, 0, -2, 1, -3, 1)));
  EXPECT_NEAR(det, 1.0f, 1e-6f);
  EXPECT_TRUE(
      Near(Vec3TransformCoord(Vec3TransformCoord({7, 8, 9}, m), *inverse), Vector3{7, 8, 9}));
}

TEST(Matrix, InverseOfAGeneralMatrixAndOfASingularOne) {
  const Matrix m(2, 0, 1, 0, 1, 3, 0, 0, 0, 1, 4, 1, 5, -2, 1, 2);
  float det = 0;
  const auto inverse = MatrixInverse(m, &det);
  ASSERT_TRUE(inverse.has_value());
  EXPECT_NEAR(det, MatrixDeterminant(m), 1e-4f);
  EXPECT_TRUE(Near(m * *inverse, MatrixIdentity()));
  EXPECT_TRUE(Near(*inverse * m, MatrixIdentity()));
  // diag(2, 3, 4, 1) has determinant 24.
  EXPECT_FLOAT_EQ(MatrixDeterminant(MatrixScaling(2, 3, 4)), 24.0f);
  // A flattened axis cannot be undone: no matrix, determinant 0.
  EXPECT_FALSE(MatrixInverse(MatrixScaling(1, 0, 1), &det).has_value());
  EXPECT_EQ(det, 0.0f);
  EXPECT_FALSE(MatrixInverse(Matrix{}).has_value());
}

TEST(Matrix, DecomposeRecoversScaleRotationAndTranslation) {
  // S x R x T with R = 90 deg about z: rows 2 (0 1 0), 3 (-1 0 0), 4 (0 0 1), (5 6 7).
  const Quaternion r{0, 0, std::numbers::sqrt2_v<float> / 2, std::numbers::sqrt2_v<float> / 2};
  const Matrix m =
      MatrixScaling(2, 3, 4) * MatrixRotationQuaternion(r) * MatrixTranslation(5, 6, 7);
  Vector3 scale, translation;
  Quaternion rotation;
  ASSERT_TRUE(MatrixDecompose(m, &scale, &rotation, &translation));
  EXPECT_TRUE(Near(scale, Vector3{2, 3, 4}));
  EXPECT_TRUE(Near(rotation, r));
  EXPECT_EQ(translation, (Vector3{5, 6, 7}));
  // Only the wanted parts need asking for.
  Vector3 onlyTranslation;
  ASSERT_TRUE(MatrixDecompose(m, nullptr, nullptr, &onlyTranslation));
  EXPECT_EQ(onlyTranslation, translation);
}

TEST(Matrix, DecomposeOfAMirrorKeepsARealRotation) {
  const Quaternion r = QuaternionRotationAxis({1, 2, 3}, 0.8f);
  const Matrix m = MatrixScaling(-2, 3, 4) * MatrixRotationQuaternion(r);
  Vector3 scale;
  Quaternion rotation;
  ASSERT_TRUE(MatrixDecompose(m, &scale, &rotation, nullptr));
  EXPECT_TRUE(Near(scale, Vector3{-2, 3, 4}));
  EXPECT_TRUE(Near(rotation, r));
  // A flattened axis has no rotation: refused, outputs untouched.
  scale = {9, 9, 9};
  EXPECT_FALSE(MatrixDecompose(MatrixScaling(1, 0, 1), &scale, &rotation, nullptr));
  EXPECT_EQ(scale, (Vector3{9, 9, 9}));
}

TEST(Matrix, DecomposeUndoesAnyScaleRotationTranslation) {
  std::mt19937 random(46);
  std::uniform_real_distribution<float> unit(-1, 1), size(0.1f, 10);
  for (int i = 0; i < 500; ++i) {
    const Vector3 s{size(random), size(random), size(random)};
    const Quaternion r =
        QuaternionRotationAxis({unit(random), unit(random), unit(random)}, 4 * unit(random));
    const Vector3 t = Vector3{unit(random), unit(random), unit(random)} * 1000.0f;
    const Matrix m =
        MatrixScaling(s.x, s.y, s.z) * MatrixRotationQuaternion(r) * MatrixTranslation(t);
    Vector3 scale, translation;
    Quaternion rotation;
    ASSERT_TRUE(MatrixDecompose(m, &scale, &rotation, &translation));
    EXPECT_TRUE(Near(scale, s, 1e-4f)) << i;
    EXPECT_TRUE(Near(MatrixRotationQuaternion(rotation), MatrixRotationQuaternion(r), 1e-4f)) << i;
    EXPECT_TRUE(Near(translation, t, 1e-3f)) << i;
    // Float rounding of translations near 1000 is about 1e-4.
    EXPECT_TRUE(Near(*MatrixInverse(m) * m, MatrixIdentity(), 1e-3f)) << i;
  }
}

TEST(Matrix, AffineTransformationScalesThenTurnsAboutTheCentreThenMoves) {
  const Quaternion quarterZ = QuaternionRotationAxis({0, 0, 1}, kHalfPi);
  // (1, 0, 0): scale 2 -> (2, 0, 0); minus centre -> (1, 0, 0); turn -> (0, 1, 0);
  // plus centre -> (1, 1, 0); plus translation -> (1, 1, 10).
  const Matrix m = MatrixAffineTransformation(2, {1, 0, 0}, quarterZ, {0, 0, 10});
  EXPECT_TRUE(Near(Vec3TransformCoord({1, 0, 0}, m), Vector3{1, 1, 10}));
  // Without a rotation the centre cancels out: (1, 0, 0) -> (2, 0, 0) -> (2, 0, 10).
  const Matrix n = MatrixAffineTransformation(2, {1, 0, 0}, QuaternionIdentity(), {0, 0, 10});
  EXPECT_TRUE(Near(n, MatrixScaling(2, 2, 2) * MatrixTranslation(0, 0, 10)));
}
