#include <gtest/gtest.h>

#include <cmath>

#include "tests/platform/physics/PhysicsWorld.h"

namespace physics_test {
namespace {

MeshBuilder Floor() { return MeshBuilder().AddBox({-2000, -2000, -20}, {2000, 2000, 0}); }

TEST(PhysicsBody, BoxFallsAndRestsOnCookedFloor) {
  PhysicsWorld world;
  ASSERT_NE(world.AddMesh(Floor()), nullptr);
  Actor* box = world.AddDynamicBox({0, 0, 200}, {8, 8, 8});
  ASSERT_NE(box, nullptr);
  world.Step(180);
  EXPECT_NEAR(box->GetGlobalPosition().z, 8.0f, 0.5f);
  EXPECT_NEAR(box->GetLinearVelocity().Length(), 0.0f, 1.0f);
}

// The smoke bomb bursts once its speed squared is below 0.1: a body at rest must fall still.
TEST(PhysicsBody, RestingBodyFallsStill) {
  PhysicsWorld world;
  world.AddMesh(MeshBuilder().AddBox({-500, -500, -20}, {500, 500, 0}).AddBox({-30, -30, 0}, {30, 30, 90}));
  Actor* onEdge = world.AddDynamicBox({28, 0, 120}, {8, 8, 8});
  Actor* onFloor = world.AddDynamicBox({200, 0, 50}, {8, 8, 8});
  world.Step(360);
  EXPECT_EQ(onEdge->GetLinearVelocity(), (Vec3{}));
  EXPECT_EQ(onFloor->GetLinearVelocity(), (Vec3{}));
}

TEST(PhysicsBody, FastBodyDoesNotPassThroughThinFloor) {
  PhysicsWorld world;
  world.AddMesh(MeshBuilder().AddBox({-2000, -2000, -1}, {2000, 2000, 0}));
  Actor* box = world.AddDynamicBox({0, 0, 100}, {8, 8, 8});
  box->SetLinearVelocity({0, 0, -6000});
  world.Step(60);
  EXPECT_GT(box->GetGlobalPosition().z, 0.0f);
}

// Frictions average to 0.5, so a box sliding at 300 on the floor stops after 300^2 / (2 * 0.5 *
// 500) = 180 units; multiplied frictions (0.25) would let it run 360.
TEST(PhysicsBody, SlidingBoxStopsWhereAveragedFrictionSays) {
  PhysicsWorld world;
  world.AddMesh(Floor());
  Actor* box = world.AddDynamicBox({0, 0, 8.2f}, {8, 8, 8});
  world.Step(30);
  const float x0 = box->GetGlobalPosition().x;
  box->SetLinearVelocity({300, 0, 0});
  world.Step(240);
  EXPECT_NEAR(box->GetGlobalPosition().x - x0, 180.0f, 25.0f);
  EXPECT_LT(box->GetLinearVelocity().Length(), 1.0f);
}

// Damping is the game's exponential rate: 1.0 leaves e^-1 of the speed after a second.
TEST(PhysicsBody, DampingSlowsAsTheGameExpects) {
  PhysicsSdk sdk;
  SceneDesc desc;
  desc.gravity = {0, 0, 0};
  Scene* scene = sdk.CreateScene(desc);
  BodyDesc body;
  body.linearDamping = 1.0f;
  body.linearVelocity = {100, 0, 0};
  ActorDesc actor;
  actor.shapes.push_back(ShapeDesc::Sphere(8));
  actor.body = &body;
  Actor* ball = scene->CreateActor(actor);
  for (int i = 0; i < 60; ++i) scene->Simulate(1.0f / 60.0f);
  EXPECT_NEAR(ball->GetLinearVelocity().x, 100.0f * std::exp(-1.0f), 1.5f);
}

TEST(PhysicsBody, NonsenseSceneSettingsFallBackToTheFixedStep) {
  PhysicsSdk sdk;
  SceneDesc desc;
  desc.maxTimestep = NAN;
  desc.maxIter = 0;
  desc.gravity = {0, 0, -INFINITY};
  Scene* scene = sdk.CreateScene(desc);
  EXPECT_EQ(scene->GetGravity(), (Vec3{}));
  BodyDesc body;
  body.linearVelocity = {60, 0, 0};
  ActorDesc actor;
  actor.shapes.push_back(ShapeDesc::Sphere(8));
  actor.body = &body;
  Actor* ball = scene->CreateActor(actor);
  scene->Simulate(1.0f / 60.0f);
  scene->Simulate(NAN);
  scene->Simulate(-1);
  EXPECT_NEAR(ball->GetGlobalPosition().x, 1.0f, 1e-3f);
}

TEST(PhysicsBody, FrozenBodyStaysAndThawsOnClear) {
  PhysicsWorld world;
  world.AddMesh(Floor());
  Actor* box = world.AddDynamicBox({0, 0, 100}, {8, 8, 8});
  box->RaiseBodyFlag(kBodyFrozen);
  world.Step(30);
  EXPECT_FLOAT_EQ(box->GetGlobalPosition().z, 100.0f);
  box->ClearBodyFlag(kBodyFrozen);
  world.Step(60);
  EXPECT_LT(box->GetGlobalPosition().z, 20.0f);
}

TEST(PhysicsBody, ShapesCanBeReplacedAndNonsenseShapesAreRefused) {
  PhysicsWorld world;
  Actor* box = world.AddDynamicBox({0, 0, 0}, {8, 8, 8});
  ASSERT_EQ(box->GetNbShapes(), 1u);
  box->ReleaseShape(*box->GetShapes()[0]);
  EXPECT_EQ(box->GetNbShapes(), 0u);
  EXPECT_NE(box->CreateShape(ShapeDesc::Box({20, 20, 40})), nullptr);
  EXPECT_EQ(box->CreateShape(ShapeDesc::Box({0, 1, 1})), nullptr);
  EXPECT_EQ(box->CreateShape(ShapeDesc::Sphere(NAN)), nullptr);
  EXPECT_EQ(box->GetNbShapes(), 1u);
  // A mesh cannot be simulated as a dynamic body.
  ActorDesc desc;
  BodyDesc body;
  desc.body = &body;
  desc.shapes.push_back(ShapeDesc::Mesh(nullptr));
  EXPECT_EQ(world.scene->CreateActor(desc), nullptr);
}

TEST(PhysicsBody, DebugGeometryOnlyWhenScaled) {
  PhysicsWorld world;
  world.AddStaticBox({0, 0, 0}, {8, 8, 8});
  world.scene->Visualize();
  EXPECT_TRUE(world.scene->GetDebugRenderable().lines.empty());
  world.sdk.SetParameter(kParamVisualizationScale, 1);
  world.scene->Visualize();
  EXPECT_GE(world.scene->GetDebugRenderable().lines.size(), 12u);
}

}  // namespace
}  // namespace physics_test
