#include <gtest/gtest.h>

#include "platform/math/Vector.h"
#include "tests/platform/math/Near.h"

using namespace platform;

TEST(Vector, ArithmeticAndProducts) {
  const Vector3 a{1, 2, 3}, b{4, -5, 6};
  EXPECT_EQ(a + b, (Vector3{5, -3, 9}));
  EXPECT_EQ(a - b, (Vector3{-3, 7, -3}));
  EXPECT_EQ(2.0f * a, (Vector3{2, 4, 6}));
  EXPECT_EQ(a * 2.0f, (Vector3{2, 4, 6}));
  EXPECT_EQ(b / 2.0f, (Vector3{2, -2.5f, 3}));
  EXPECT_EQ(-a, (Vector3{-1, -2, -3}));
  EXPECT_NE(a, b);
  // 1*4 + 2*-5 + 3*6 = 12
  EXPECT_FLOAT_EQ(Vec3Dot(a, b), 12.0f);
  // 3-4-5 triangle; 2-D and 4-D forms alike.
  EXPECT_FLOAT_EQ(Vec3Length({3, 4, 0}), 5.0f);
  EXPECT_FLOAT_EQ(Vec3LengthSq({3, 4, 0}), 25.0f);
  EXPECT_FLOAT_EQ(Vec2Length({3, 4}), 5.0f);
  EXPECT_FLOAT_EQ(Vec4Length({0, 3, 0, 4}), 5.0f);
}

TEST(Vector, CrossProductFollowsTheUsualFormula) {
  EXPECT_EQ(Vec3Cross({1, 0, 0}, {0, 1, 0}), (Vector3{0, 0, 1}));
  EXPECT_EQ(Vec3Cross({0, 1, 0}, {1, 0, 0}), (Vector3{0, 0, -1}));
  // The camera's starting vectors: up (0, 0, 1) x direction (0, 1, -0.1)
  // = (0*-0.1 - 1*1, 1*0 - 0*-0.1, 0*1 - 0*0) = (-1, 0, 0), its right vector.
  EXPECT_TRUE(Near(Vec3Cross({0, 0, 1}, {0, 1, -0.1f}), Vector3{-1, 0, 0}));
}

TEST(Vector, NormalizeGivesUnitLengthAndKeepsZeroAtZero) {
  // (3, 4, 0) / 5
  EXPECT_TRUE(Near(Vec3Normalize({3, 4, 0}), Vector3{0.6f, 0.8f, 0}));
  EXPECT_TRUE(Near(Vec2Normalize({0, -2}), Vector2{0, -1}));
  EXPECT_TRUE(Near(Vec4Normalize({0, 0, 0, 7}), Vector4{0, 0, 0, 1}));
  // A thief standing still or a particle at its origin: zero in, zero out, never NaN.
  EXPECT_EQ(Vec3Normalize({}), Vector3{});
  EXPECT_EQ(Vec2Normalize({}), Vector2{});
  EXPECT_EQ(Vec4Normalize({}), Vector4{});
}

TEST(Vector, LerpHitsBothEnds) {
  const Vector3 a{0, 10, -2}, b{4, 20, 2};
  EXPECT_EQ(Vec3Lerp(a, b, 0), a);
  EXPECT_EQ(Vec3Lerp(a, b, 1), b);
  EXPECT_EQ(Vec3Lerp(a, b, 0.25f), (Vector3{1, 12.5f, -1}));
}

TEST(Vector, CatmullRomPassesThroughTheInnerPoints) {
  const Vector3 p0{0, 0, 0}, p1{1, 0, 0}, p2{2, 1, 0}, p3{3, 3, 0};
  EXPECT_TRUE(Near(Vec3CatmullRom(p0, p1, p2, p3, 0), p1));
  EXPECT_TRUE(Near(Vec3CatmullRom(p0, p1, p2, p3, 1), p2));
  // t = 0.5, 0.5 (2 p1 + (p2 - p0)/2 + (2 p0 - 5 p1 + 4 p2 - p3)/4 + (3 p1 - p0 - 3 p2 + p3)/8):
  // x: 0.5 (2 + 1 + 0/4 + 0/8) = 1.5;  y: 0.5 (0 + 0.5 + 1/4 + 0/8) = 0.375.
  EXPECT_TRUE(Near(Vec3CatmullRom(p0, p1, p2, p3, 0.5f), Vector3{1.5f, 0.375f, 0}));
  // Evenly spaced points on a line stay on the line at even speed.
  EXPECT_TRUE(Near(Vec3CatmullRom({0, 0, 0}, {1, 1, 1}, {2, 2, 2}, {3, 3, 3}, 0.25f),
                   Vector3{1.25f, 1.25f, 1.25f}));
}
