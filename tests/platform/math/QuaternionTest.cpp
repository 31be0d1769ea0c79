#include <gtest/gtest.h>

#include <numbers>

#include "platform/math/Matrix.h"
#include "platform/math/Quaternion.h"
#include "tests/platform/math/Near.h"

using namespace platform;

namespace {
constexpr float kHalfPi = std::numbers::pi_v<float> / 2;
constexpr float kRootHalf = std::numbers::sqrt2_v<float> / 2;

// q and -q are the same rotation.
::testing::AssertionResult SameRotation(const Quaternion& a, const Quaternion& b) {
  return QuaternionDot(a, b) < 0 ? Near(a, -b) : Near(a, b);
}
}  // namespace

TEST(Quaternion, RotationAxisNormalisesItsAxis) {
  // 90 deg about z: (0, 0, sin 45, cos 45), whatever the axis length.
  EXPECT_TRUE(
      Near(QuaternionRotationAxis({0, 0, 2}, kHalfPi), Quaternion{0, 0, kRootHalf, kRootHalf}));
  EXPECT_TRUE(
      Near(QuaternionRotationAxis({0, 0, 0.01f}, kHalfPi), Quaternion{0, 0, kRootHalf, kRootHalf}));
  // A zero axis is no rotation, not NaN.
  EXPECT_EQ(QuaternionRotationAxis({}, 1.0f), QuaternionIdentity());
  // It turns the way the matrix of the same axis and angle does.
  EXPECT_TRUE(Near(MatrixRotationQuaternion(QuaternionRotationAxis({1, -2, 0.5f}, 0.9f)),
                   MatrixRotationAxis({1, -2, 0.5f}, 0.9f)));
}

TEST(Quaternion, MultiplyIsTheFirstRotationFollowedByTheSecond) {
  const Quaternion aboutZ = QuaternionRotationAxis({0, 0, 1}, kHalfPi);  // (0, 0, r, r)
  const Quaternion aboutX = QuaternionRotationAxis({1, 0, 0}, kHalfPi);  // (r, 0, 0, r)
  // Hamilton product aboutX * aboutZ: w = r r - 0 = 0.5; v = r (0, 0, r) + r (r, 0, 0) +
  // (r, 0, 0) x (0, 0, r) = (0.5, 0, 0.5) + (0, -0.5, 0).
  const Quaternion zThenX = QuaternionMultiply(aboutZ, aboutX);
  EXPECT_TRUE(Near(zThenX, Quaternion{0.5f, -0.5f, 0.5f, 0.5f}));
  // (1, 0, 0) -> about z -> (0, 1, 0) -> about x -> (0, 0, 1).
  EXPECT_TRUE(
      Near(Vec3TransformNormal({1, 0, 0}, MatrixRotationQuaternion(zThenX)), Vector3{0, 0, 1}));
  // The reverse order leaves x alone first, then turns it to (0, 1, 0).
  EXPECT_TRUE(Near(
      Vec3TransformNormal({1, 0, 0}, MatrixRotationQuaternion(QuaternionMultiply(aboutX, aboutZ))),
      Vector3{0, 1, 0}));
  // Same order as the matrix product.
  EXPECT_TRUE(Near(MatrixRotationQuaternion(zThenX),
                   MatrixRotationQuaternion(aboutZ) * MatrixRotationQuaternion(aboutX)));
  EXPECT_EQ(QuaternionMultiply(zThenX, QuaternionIdentity()), zThenX);
}

TEST(Quaternion, NormalizeConjugateAndInverse) {
  EXPECT_TRUE(Near(QuaternionNormalize({0, 3, 0, 4}), Quaternion{0, 0.6f, 0, 0.8f}));
  EXPECT_EQ(QuaternionNormalize({}), Quaternion{});
  const Quaternion q{1, 2, 3, 4};
  EXPECT_EQ(QuaternionConjugate(q), (Quaternion{-1, -2, -3, 4}));
  // Length^2 = 30: inverse = conjugate / 30.
  EXPECT_TRUE(Near(QuaternionInverse(q), Quaternion{-1, -2, -3, 4} / 30.0f));
  EXPECT_TRUE(Near(QuaternionMultiply(q, QuaternionInverse(q)), QuaternionIdentity()));
  EXPECT_EQ(QuaternionInverse({}), Quaternion{});
}

TEST(Quaternion, MatrixRoundTrip) {
  // 90 deg about x by hand: rows (1 0 0)(0 0 1)(0 -1 0), the same as RotationX.
  EXPECT_TRUE(
      Near(MatrixRotationQuaternion({kRootHalf, 0, 0, kRootHalf}), MatrixRotationX(kHalfPi)));
  // Half turns have w = 0 and take the other branches of the matrix-to-quaternion conversion.
  const Quaternion cases[] = {QuaternionIdentity(),
                              {1, 0, 0, 0},
                              {0, 1, 0, 0},
                              {0, 0, 1, 0},
                              QuaternionRotationAxis({1, 2, 3}, 0.5f),
                              QuaternionRotationAxis({-1, 0.2f, 0.1f}, 3.0f),
                              QuaternionRotationAxis({0.1f, -1, 0.3f}, -2.9f),
                              QuaternionRotationAxis({0.2f, 0.1f, 1}, 3.1f)};
  for (const Quaternion& q : cases) {
    EXPECT_TRUE(SameRotation(QuaternionRotationMatrix(MatrixRotationQuaternion(q)), q));
  }
}

TEST(Quaternion, YawPitchRollMatchesTheMatrixForm) {
  EXPECT_TRUE(Near(MatrixRotationQuaternion(QuaternionRotationYawPitchRoll(0.4f, -0.7f, 1.2f)),
                   MatrixRotationYawPitchRoll(0.4f, -0.7f, 1.2f)));
}

TEST(Quaternion, SlerpEndpointsAndMidpoint) {
  const Quaternion a = QuaternionIdentity();
  const Quaternion b = QuaternionRotationAxis({0, 0, 1}, kHalfPi);
  EXPECT_TRUE(Near(QuaternionSlerp(a, b, 0), a));
  EXPECT_TRUE(Near(QuaternionSlerp(a, b, 1), b));
  // Halfway is 45 deg about z: (0, 0, sin 22.5, cos 22.5).
  const Quaternion half{0, 0, 0.3826834f, 0.9238795f};
  EXPECT_TRUE(Near(QuaternionSlerp(a, b, 0.5f), half));
  // -b is the same rotation as b: the blend still takes the short way.
  EXPECT_TRUE(Near(QuaternionSlerp(a, -b, 0.5f), half));
  // Equal inputs do not divide by sin 0.
  EXPECT_TRUE(Near(QuaternionSlerp(b, b, 0.3f), b));
}
