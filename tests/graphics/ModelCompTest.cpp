#include <gtest/gtest.h>

#include <cmath>

#include "graphics/ModelComp.h"
#include "graphics/ModelScene.h"
#include "tests/support/EngineFixture.h"

namespace {

class ModelCompTest : public EngineFixture {
 protected:
  ModelCompTest() { Bare(); }
};

void ExpectPoint(const platform::Vector3& p, const platform::Matrix& m, float x, float y, float z) {
  const platform::Vector3 q = platform::Vec3TransformCoord(p, m);
  EXPECT_NEAR(q.x, x, 1e-4f);
  EXPECT_NEAR(q.y, y, 1e-4f);
  EXPECT_NEAR(q.z, z, 1e-4f);
}

TEST_F(ModelCompTest, TheWorldMatrixTakesPivotRotationsScaleAndPlaceInThatOrder) {
  ModelComp model;
  model.pivotOffset = {1, 0, 0};
  model.meshRotation = platform::QuaternionRotationAxis({0, 0, 1}, float(M_PI / 2));
  model.orientation = platform::QuaternionRotationAxis({1, 0, 0}, float(M_PI / 2));
  model.scale = 2;
  model.position = {10, 0, 0};
  model.positionOffset = {0, 0, 1};
  model.UpdateWorldMatrix();
  // The pivot lands on the place.
  ExpectPoint({1, 0, 0}, model.worldMatrix, 10, 0, 1);
  // One unit past the pivot along x: z-turned onto y, x-turned onto z, doubled.
  ExpectPoint({2, 0, 0}, model.worldMatrix, 10, 0, 3);
  const platform::Matrix product = model.worldMatrix * platform::MatrixTranspose(model.inverseWorldTranspose);
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 4; ++c) EXPECT_NEAR(product.m[r][c], r == c ? 1.0f : 0.0f, 1e-5f);
  }
}

TEST_F(ModelCompTest, AZeroMeshRotationMeansNoRotation) {
  const platform::Quaternion q = NormalisedMeshRotation({0, 0, 0, 0});
  EXPECT_EQ(q, platform::QuaternionIdentity());
  const platform::Quaternion n = NormalisedMeshRotation({0, 0, 2, 0});
  EXPECT_FLOAT_EQ(n.z, 1.0f);
  ModelComp model;
  model.meshRotation = NormalisedMeshRotation({0, 0, 0, 0});
  model.UpdateWorldMatrix();
  EXPECT_TRUE(std::isfinite(model.worldMatrix.m[0][0]));
}

TEST_F(ModelCompTest, WithoutAModelNothingIsLoadedOrDrawn) {
  ModelComp model;
  model.Load("guard");
  EXPECT_EQ(model.GetModel(), nullptr);
  EXPECT_EQ(model.GetShadowSize(), 0.0f);
  EXPECT_EQ(model.FindFrame("Bip01_R_Hand"), -1);
  model.SetAnimation(1);
  EXPECT_EQ(model.GetCurrentAnimation(), 0u);
  model.Draw();
}

TEST(ShadowTest, AShadowShrinksAsItsModelRises) {
  const auto onFloor = ShadowWorld({0, 0, 0}, 25, 0.25f, {0, 0, 1});
  ASSERT_TRUE(onFloor);
  EXPECT_NEAR(onFloor->m[0][0], 25.0f, 1e-4f);
  const auto high = ShadowWorld({0, 0, 20}, 25, 20.25f, {0, 0, 1});
  ASSERT_TRUE(high);
  EXPECT_NEAR(high->m[0][0], 24.0f, 1e-4f);
  EXPECT_NEAR(high->m[3][2], 0.0f, 1e-4f);  // 0.25 above the floor at z = -0.25
}

TEST(ShadowTest, NoShadowWithoutSizeOrOnceItWouldTurnInsideOut) {
  EXPECT_FALSE(ShadowWorld({0, 0, 0}, 0, 1, {0, 0, 1}));
  EXPECT_FALSE(ShadowWorld({0, 0, 0}, 25, 1000, {0, 0, 1}));
  EXPECT_FALSE(ShadowWorld({0, 0, 0}, 25, NAN, {0, 0, 1}));
}

}  // namespace
