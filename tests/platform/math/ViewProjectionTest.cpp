#include <gtest/gtest.h>

#include <numbers>

#include "platform/math/Matrix.h"
#include "tests/platform/math/Near.h"

using namespace platform;

TEST(LookAtLH, PutsTheTargetOnPositiveViewZ) {
  // Eye (0, 0, -10) looking at the origin, up +y: z = (0, 0, 1), x = up x z = (1, 0, 0),
  // y = z x x = (0, 1, 0), translation row -(x.eye, y.eye, z.eye) = (0, 0, 10).
  const Matrix view = MatrixLookAtLH({0, 0, -10}, {0, 0, 0}, {0, 1, 0});
  EXPECT_TRUE(Near(view, MatrixTranslation(0, 0, 10)));
  // Left-handed: +x stays on the right, +y up, distance ahead is +z.
  EXPECT_TRUE(Near(Vec3TransformCoord({1, 2, 0}, view), Vector3{1, 2, 10}));
  // The screen-space view, from the origin towards +z with +y up, is the identity.
  EXPECT_TRUE(Near(MatrixLookAtLH({0, 0, 0}, {0, 0, 1}, {0, 1, 0}), MatrixIdentity()));
}

TEST(LookAtLH, GuiViewFromBelowWithZUp) {
  // Eye (0, -300, 0), target the origin, up +z: z = (0, 1, 0), x = (0, 0, 1) x (0, 1, 0) =
  // (-1, 0, 0), y = z x x = (0, 0, 1). So world +z shows as up and world +x as left;
  // (10, 0, 50) -> (-10, 50, 300).
  const Matrix view = MatrixLookAtLH({0, -300, 0}, {0, 0, 0}, {0, 0, 1});
  EXPECT_TRUE(Near(Vec3TransformCoord({10, 0, 50}, view), Vector3{-10, 50, 300}, 1e-4f));
}

TEST(PerspectiveFovLH, MapsNearToZeroAndFarToOne) {
  // fov 90 deg: yScale = 1 / tan(45 deg) = 1; aspect 1; q = far / (far - near) = 100 / 99.
  // View z maps to (z q - near q) / z: near 1 -> 0, far 100 -> 1, 10 -> 0.9 q = 0.90909.
  const Matrix proj = MatrixPerspectiveFovLH(std::numbers::pi_v<float> / 2, 1, 1, 100);
  EXPECT_NEAR(Vec3TransformCoord({0, 0, 1}, proj).z, 0.0f, 1e-6f);
  EXPECT_NEAR(Vec3TransformCoord({0, 0, 100}, proj).z, 1.0f, 1e-6f);
  EXPECT_TRUE(Near(Vec3TransformCoord({5, -5, 10}, proj), Vector3{0.5f, -0.5f, 0.909091f}));
  // w is the view depth.
  EXPECT_FLOAT_EQ(Vec3Transform({5, -5, 10}, proj).w, 10.0f);
  // Aspect 2 halves x: xScale = yScale / aspect.
  EXPECT_FLOAT_EQ(MatrixPerspectiveFovLH(std::numbers::pi_v<float> / 2, 2, 1, 100)(0, 0), 0.5f);
}

TEST(PerspectiveFovLH, APointInFrontOfTheCameraGetsDepthBetweenZeroAndOne) {
  // The main projection of the game (fov pi/4, 4:3, 1 .. 30000) seen through a look-at view.
  const Matrix viewProj = MatrixLookAtLH({100, 200, 50}, {100, 300, 50}, {0, 0, 1}) *
                          MatrixPerspectiveFovLH(std::numbers::pi_v<float> / 4, 4.0f / 3, 1, 30000);
  const Vector3 ahead = Vec3TransformCoord({100, 250, 50}, viewProj);
  EXPECT_GT(ahead.z, 0.0f);
  EXPECT_LT(ahead.z, 1.0f);
  EXPECT_TRUE(Near(Vector2{ahead.x, ahead.y}, Vector2{0, 0}, 1e-5f));
  // Behind the camera w is negative: such points are clipped, not drawn mirrored.
  EXPECT_LT(Vec3Transform({100, 150, 50}, viewProj).w, 0.0f);
}

TEST(OrthoOffCenterLH, MapsTheBoxOntoTheUnitCube) {
  // Screen pixels with y down: left 0, right 1024, bottom 768, top 0. x' = 2x / 1024 - 1,
  // y' = 2y / (0 - 768) + (0 + 768) / (768 - 0) = 1 - y / 384, z' = z / (far - near).
  const Matrix proj = MatrixOrthoOffCenterLH(0, 1024, 768, 0, 0, 1);
  EXPECT_TRUE(Near(Vec3TransformCoord({0, 0, 0}, proj), Vector3{-1, 1, 0}));
  EXPECT_TRUE(Near(Vec3TransformCoord({1024, 768, 1}, proj), Vector3{1, -1, 1}));
  EXPECT_TRUE(Near(Vec3TransformCoord({512, 384, 0.5f}, proj), Vector3{0, 0, 0.5f}));
}
