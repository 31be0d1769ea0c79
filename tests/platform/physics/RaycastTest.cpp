#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

#include "tests/platform/physics/PhysicsWorld.h"

namespace physics_test {
namespace {

struct Raycast : ::testing::Test {
  Raycast() {
    floor = world.AddMesh(MeshBuilder().AddBox({-1000, -1000, -20}, {1000, 1000, 0}));
    crate = world.AddDynamicBox({0, 0, 100}, {10, 10, 10});
    crate->RaiseBodyFlag(kBodyFrozen);
  }
  Shape* Cast(const Vec3& orig, const Vec3& dir, ShapesType types = kAllShapes) {
    return world.scene->RaycastClosestShape({orig, dir}, types, hit);
  }
  PhysicsWorld world;
  Actor* floor;
  Actor* crate;
  RaycastHit hit;
};

// No step runs: a body is hit as soon as it exists (lasers cast during the game start).
TEST_F(Raycast, ClosestOfStaticAndDynamicShapesWithoutAStep) {
  ASSERT_EQ(Cast({0, 0, 300}, {0, 0, -1}), crate->GetShapes()[0]);
  EXPECT_NEAR(hit.distance, 190.0f, 0.1f);
  EXPECT_NEAR(hit.worldImpact.z, 110.0f, 0.1f);
  EXPECT_NEAR(hit.worldNormal.z, 1.0f, 1e-3f);
  ASSERT_EQ(Cast({0, 0, 300}, {0, 0, -1}, kStaticShapes), floor->GetShapes()[0]);
  EXPECT_NEAR(hit.distance, 300.0f, 0.1f);
}

TEST_F(Raycast, MovedActorsAreFoundWhereTheyWereMovedAtOnce) {
  crate->SetGlobalPosition({500, 0, 100});
  Actor* pillar = world.AddStaticBox({0, 500, 50}, {10, 10, 50});
  pillar->SetGlobalPosition({-500, 0, 50});
  EXPECT_EQ(Cast({500, 0, 300}, {0, 0, -1}), crate->GetShapes()[0]);
  EXPECT_EQ(Cast({-500, 0, 300}, {0, 0, -1}), pillar->GetShapes()[0]);
  EXPECT_EQ(Cast({0, 0, 300}, {0, 0, -1}), floor->GetShapes()[0]);
}

TEST_F(Raycast, DirectionIsNormalisedInside) {
  Cast({500, 0, 300}, {0, 0, -1});
  const float unit = hit.distance;
  Cast({500, 0, 300}, {0, 0, -250});
  EXPECT_FLOAT_EQ(hit.distance, unit);
}

TEST_F(Raycast, ShapeContainingTheOriginIsNotHit) {
  ASSERT_EQ(Cast({0, 0, 100}, {0, 0, -1}), floor->GetShapes()[0]);
  EXPECT_NEAR(hit.distance, 100.0f, 0.1f);
}

TEST_F(Raycast, MeshNormalFacesTheOrigin) {
  ASSERT_EQ(Cast({500, 0, -500}, {0, 0, 1}), floor->GetShapes()[0]);
  EXPECT_NEAR(hit.worldNormal.z, -1.0f, 1e-3f);
}

TEST_F(Raycast, MissReportsMaximumDistance) {
  EXPECT_EQ(Cast({0, 0, 300}, {0, 0, 1}), nullptr);
  EXPECT_EQ(hit.distance, FLT_MAX);
  EXPECT_EQ(hit.worldImpact, (Vec3{0, 0, 0}));
  EXPECT_EQ(hit.shape, nullptr);
}

TEST_F(Raycast, BrokenDirectionsMiss) {
  for (Vec3 dir : {Vec3{0, 0, 0}, Vec3{NAN, 0, -1}, Vec3{0, INFINITY, -1}, Vec3{0, 0, -FLT_MAX}}) {
    EXPECT_EQ(Cast({0, 0, 300}, dir), nullptr) << dir.x << " " << dir.y << " " << dir.z;
    EXPECT_EQ(hit.distance, FLT_MAX);
  }
  EXPECT_EQ(Cast({NAN, 0, 300}, {0, 0, -1}), nullptr);
}

TEST_F(Raycast, GroupsAndTriggersFilter) {
  world.AddStaticBox({0, 0, 200}, {10, 10, 10}, kTriggerEnable);
  EXPECT_EQ(Cast({0, 0, 300}, {0, 0, -1}), crate->GetShapes()[0]);
  crate->GetShapes()[0]->SetGroup(3);
  EXPECT_EQ(world.scene->RaycastClosestShape({{0, 0, 300}, {0, 0, -1}}, kAllShapes, hit, 1u), floor->GetShapes()[0]);
}

TEST_F(Raycast, ControllerProxyIsHitExceptFromInside) {
  Controller* c = world.AddController({300, 0, 28.2f});
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(&Cast({300, 0, 300}, {0, 0, -1})->GetActor(), c->GetActor());
  EXPECT_EQ(Cast({300, 0, 30}, {0, 0, -1}), floor->GetShapes()[0]);
}

// An actor of several shapes names the one hit, mesh or not, each where its own pose puts it.
TEST_F(Raycast, EachShapeOfACompoundAnswersAsItself) {
  ShapeDesc ledge = ShapeDesc::Box({20, 20, 5});
  ledge.localPose.translation = {400, 0, 50};
  Shape* box = floor->CreateShape(ledge);
  ASSERT_NE(box, nullptr);
  Shape* mesh = floor->GetShapes()[0];
  ASSERT_NE(mesh, box);
  EXPECT_EQ(Cast({400, 0, 300}, {0, 0, -1}), box);
  EXPECT_NEAR(hit.distance, 245.0f, 0.1f);
  EXPECT_EQ(Cast({-400, 0, 300}, {0, 0, -1}), mesh);
  EXPECT_NEAR(hit.distance, 300.0f, 0.1f);
  EXPECT_EQ(Cast({400, 0, 30}, {0, 0, -1}), mesh);
}

TEST(Overlap, BoxQuerySeesStaticShapesOnly) {
  PhysicsWorld world;
  world.AddMesh(MeshBuilder().AddBox({-1000, -1000, -20}, {1000, 1000, 0}));
  world.AddStaticBox({200, 0, 50}, {10, 10, 10});
  world.AddDynamicBox({-200, 0, 50}, {10, 10, 10});
  world.AddController({0, 200, 50});
  EXPECT_TRUE(world.scene->CheckOverlapAabb({{195, -5, 45}, {205, 5, 55}}, kStaticShapes));
  EXPECT_FALSE(world.scene->CheckOverlapAabb({{-205, -5, 45}, {-195, 5, 55}}, kStaticShapes));
  EXPECT_TRUE(world.scene->CheckOverlapAabb({{-205, -5, 45}, {-195, 5, 55}}, kDynamicShapes));
  EXPECT_FALSE(world.scene->CheckOverlapAabb({{-5, 195, 45}, {5, 205, 55}}, kStaticShapes));
  EXPECT_FALSE(world.scene->CheckOverlapAabb({{-50, -50, 10}, {50, 50, 60}}, kStaticShapes));
  EXPECT_TRUE(world.scene->CheckOverlapAabb({{-50, -50, -10}, {50, 50, 60}}, kStaticShapes));
  EXPECT_FALSE(world.scene->CheckOverlapAabb({{NAN, 0, 0}, {1, 1, 1}}, kStaticShapes));
}

}  // namespace
}  // namespace physics_test
