#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "platform/math/Frustum.h"

namespace {

using platform::Frustum;
using platform::Matrix;

void ExpectPlane(const platform::Plane& p, float a, float b, float c, float d) {
  EXPECT_NEAR(p.a, a, 1e-5f);
  EXPECT_NEAR(p.b, b, 1e-5f);
  EXPECT_NEAR(p.c, c, 1e-5f);
  EXPECT_NEAR(p.d, d, 1e-4f * std::max(1.0f, std::fabs(d)));  // the far plane comes back ~1e-5 relative
}

Frustum Build(Matrix viewProjection) {
  Frustum frustum;
  frustum.Build(viewProjection);
  return frustum;
}

// A camera at the origin looking along +x with z up, 90 degrees wide and high, depth 1 to 100.
Frustum CameraAlongX() {
  const Matrix view = platform::MatrixLookAtLH({0, 0, 0}, {1, 0, 0}, {0, 0, 1});
  return Build(view * platform::MatrixPerspectiveFovLH(static_cast<float>(M_PI) / 2, 1.0f, 1.0f, 100.0f));
}

TEST(FrustumTest, TheIdentityGivesTheUnitClipCube) {
  const Frustum f = Build(platform::MatrixIdentity());
  ExpectPlane(f.GetPlane(Frustum::kNear), 0, 0, 1, 0);
  ExpectPlane(f.GetPlane(Frustum::kFar), 0, 0, -1, 1);
  ExpectPlane(f.GetPlane(Frustum::kLeft), 1, 0, 0, 1);
  ExpectPlane(f.GetPlane(Frustum::kRight), -1, 0, 0, 1);
  ExpectPlane(f.GetPlane(Frustum::kTop), 0, -1, 0, 1);
  ExpectPlane(f.GetPlane(Frustum::kBottom), 0, 1, 0, 1);
}

TEST(FrustumTest, ACameraAlongXHasTheHandWorkedPlanes) {
  const Frustum f = CameraAlongX();
  const float h = std::sqrt(0.5f);
  // near x >= 1, far x <= 100, and the four 45-degree sides through the eye; screen right
  // is +y and screen up +z.
  ExpectPlane(f.GetPlane(Frustum::kNear), 1, 0, 0, -1);
  ExpectPlane(f.GetPlane(Frustum::kFar), -1, 0, 0, 100);
  ExpectPlane(f.GetPlane(Frustum::kLeft), h, h, 0, 0);
  ExpectPlane(f.GetPlane(Frustum::kRight), h, -h, 0, 0);
  ExpectPlane(f.GetPlane(Frustum::kTop), h, 0, -h, 0);
  ExpectPlane(f.GetPlane(Frustum::kBottom), h, 0, h, 0);
}

TEST(FrustumTest, BuildLeavesTheInverseInTheCallersMatrix) {
  Matrix m = platform::MatrixScaling(2, 4, 8);
  Frustum f;
  f.Build(m);
  EXPECT_EQ(m, platform::MatrixScaling(0.5f, 0.25f, 0.125f));
}

TEST(FrustumTest, BoxesInsideTouchingEnclosingAndBehind) {
  const Frustum f = CameraAlongX();
  EXPECT_TRUE(f.TestBox(50, 0, 0, 1, 1, 1));
  EXPECT_FALSE(f.TestBox(-10, 0, 0, 1, 1, 1)) << "behind the camera";
  EXPECT_TRUE(f.TestBox(0, 0, 0, 1, 1, 1)) << "touching the near plane from behind";
  EXPECT_FALSE(f.TestBox(-0.01f, 0, 0, 1, 1, 1));
  EXPECT_TRUE(f.TestBox(50, 0, 0, 1000, 1000, 1000)) << "enclosing the whole volume";
  EXPECT_FALSE(f.TestBox(50, 70, 0, 5, 5, 5)) << "off to the side";
  EXPECT_FALSE(f.TestBox(150, 0, 0, 10, 10, 10)) << "beyond the far plane";
}

TEST(FrustumTest, Spheres) {
  const Frustum f = CameraAlongX();
  EXPECT_TRUE(f.TestSphere(50, 0, 0, 1));
  EXPECT_FALSE(f.TestSphere(-5, 0, 0, 2));
  EXPECT_TRUE(f.TestSphere(-5, 0, 0, 6));
  EXPECT_FALSE(f.TestSphere(10, 0, 30, 5)) << "above the top plane";
}

TEST(FrustumTest, ASingularMatrixKeepsThePlanesItHad) {
  Frustum f = CameraAlongX();
  Matrix singular;
  f.Build(singular);
  EXPECT_TRUE(f.TestBox(50, 0, 0, 1, 1, 1));
  EXPECT_FALSE(f.TestBox(-10, 0, 0, 1, 1, 1));
}

}  // namespace
