#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "tests/platform/physics/PhysicsWorld.h"

namespace physics_test {
namespace {

constexpr float kDt = 1.0f / 60.0f;
constexpr float kStand = 28.1f;  // centre height of a standing controller: half height + skin

// Drives a controller the way the player's physics does each frame: the sideways move, plus
// gravity gathered while nothing is below, with the collision mask of the walking player.
struct Walker {
  uint32_t Frame(const Vec3& move, uint32_t mask = 1) {
    Vec3 d{move.x, move.y, 0};
    fall += Vec3{0, 0, -500} * kDt;
    d += fall * (kDt * 10);
    const uint32_t flags = controller->Move(d, mask, 0.001f, 1.0f);
    if (flags & kCollisionDown) fall = {};
    return flags;
  }
  uint32_t Frames(int n, const Vec3& move, uint32_t mask = 1) {
    uint32_t all = 0;
    for (int i = 0; i < n; ++i) all |= Frame(move, mask);
    return all;
  }
  Controller* controller;
  Vec3 fall;
};

struct ControllerScene : ::testing::Test {
  Walker Spawn(const Vec3& at) { return Walker{world.AddController(at), {}}; }
  void Floor() { world.AddMesh(MeshBuilder().AddBox({-2000, -2000, -20}, {2000, 2000, 0})); }
  PhysicsWorld world;
};

TEST_F(ControllerScene, StandsOnTheFloorAndReportsIt) {
  Floor();
  Walker w = Spawn({0, 0, 40});
  w.Frames(30, {});
  EXPECT_NEAR(w.controller->GetPosition().z, kStand, 0.05f);
  EXPECT_EQ(w.Frame({}), uint32_t{kCollisionDown});
  EXPECT_EQ(w.fall, (Vec3{}));
}

TEST_F(ControllerScene, ClimbsSixteenUnitStairs) {
  world.AddMesh(MeshBuilder().AddBox({-2000, -2000, -20}, {2000, 2000, 0}).AddStairs(100, 16, 40, 5, 400));
  Walker w = Spawn({0, 0, kStand});
  w.Frames(55, {5, 0, 0});
  EXPECT_GT(w.controller->GetPosition().x, 260.0f);
  EXPECT_NEAR(w.controller->GetPosition().z, 5 * 16 + kStand, 0.1f);
}

TEST_F(ControllerScene, StoppedByTwentyFourUnitStep) {
  world.AddMesh(MeshBuilder().AddBox({-2000, -2000, -20}, {2000, 2000, 0}).AddStairs(100, 24, 40, 2, 400));
  Walker w = Spawn({0, 0, kStand});
  const uint32_t flags = w.Frames(60, {5, 0, 0});
  EXPECT_NEAR(w.controller->GetPosition().x, 100 - 12 - 0.1f, 0.1f);
  EXPECT_NEAR(w.controller->GetPosition().z, kStand, 0.1f);
  EXPECT_TRUE(flags & kCollisionSides);
}

// A ramp from x = 100 rising `rise` over `run`, 400 wide.
MeshBuilder Ramp(float rise, float run) {
  MeshBuilder m;
  m.AddBox({-2000, -2000, -20}, {2000, 2000, 0});
  const auto base = static_cast<uint32_t>(m.vertices.size());
  m.vertices.insert(m.vertices.end(), {{100, -200, 0}, {100 + run, -200, rise}, {100 + run, 200, rise}, {100, 200, 0}});
  for (uint32_t i : {0u, 1u, 2u, 0u, 2u, 3u}) m.indices.push_back(base + i);
  m.AddBox({100 + run, -200, 0}, {100 + run + 400, 200, rise});
  return m;
}

TEST_F(ControllerScene, WalksUpAWalkableSlope) {
  world.AddMesh(Ramp(115, 200));  // 30 degrees
  Walker w = Spawn({0, 0, kStand});
  w.Frames(80, {5, 0, 0});
  EXPECT_GT(w.controller->GetPosition().x, 320.0f);
  EXPECT_NEAR(w.controller->GetPosition().z, 115 + kStand, 0.2f);
}

TEST_F(ControllerScene, SlopeSteeperThanTheLimitIsAWall) {
  world.AddMesh(Ramp(200, 30));  // 81 degrees, above the 75 degree limit
  Walker w = Spawn({0, 0, kStand});
  const uint32_t flags = w.Frames(80, {5, 0, 0});
  EXPECT_TRUE(flags & kCollisionSides);
  EXPECT_LT(w.controller->GetPosition().x, 110.0f);
  EXPECT_LT(w.controller->GetPosition().z, kStand + 20.5f + 0.2f);
}

TEST_F(ControllerScene, CapsuleClimbsStairsToo) {
  world.AddMesh(MeshBuilder().AddBox({-2000, -2000, -20}, {2000, 2000, 0}).AddStairs(100, 16, 40, 5, 400));
  ControllerDesc desc;
  desc.type = ControllerType::Capsule;
  desc.radius = 12;
  desc.height = 32;
  desc.position = {0, 0, 28.1f};
  desc.stepOffset = 20.5f;
  desc.slopeLimit = 0.7071f;
  Walker w{world.controllers.CreateController(world.scene, desc), {}};
  ASSERT_NE(w.controller, nullptr);
  w.Frames(65, {5, 0, 0});
  EXPECT_GT(w.controller->GetPosition().x, 280.0f);
  EXPECT_NEAR(w.controller->GetPosition().z, 5 * 16 + 28.1f, 0.5f);
}

TEST_F(ControllerScene, SlidesAlongAWall) {
  Floor();
  world.AddMesh(MeshBuilder().AddBox({100, -2000, 0}, {120, 2000, 200}));
  Walker w = Spawn({0, 0, kStand});
  uint32_t flags = w.Frames(40, {5, 5, 0});
  EXPECT_TRUE(flags & kCollisionSides);
  EXPECT_NEAR(w.controller->GetPosition().x, 100 - 12 - 0.1f, 0.1f);
  EXPECT_NEAR(w.controller->GetPosition().y, 200.0f, 1.0f);
}

TEST_F(ControllerScene, ReportsCeilingAbove) {
  Floor();
  world.AddStaticBox({0, 0, 100}, {50, 50, 10});
  Controller* c = world.AddController({0, 0, kStand});
  EXPECT_EQ(c->Move({0, 0, 100}, 1, 0.001f, 1), uint32_t{kCollisionUp});
  EXPECT_NEAR(c->GetPosition().z, 90 - 28 - 0.1f, 0.1f);
}

TEST_F(ControllerScene, NoclipPassesThroughEverything) {
  Floor();
  world.AddMesh(MeshBuilder().AddBox({100, -2000, 0}, {120, 2000, 200}));
  Controller* other = world.AddController({200, 0, kStand});
  Controller* c = world.AddController({0, 0, kStand});
  ASSERT_NE(other, nullptr);
  EXPECT_EQ(c->Move({400, 0, 0}, 2, 0.001f, 1), 0u);
  EXPECT_EQ(c->Move({0, 0, -300}, 2, 0.001f, 1), 0u);
  EXPECT_EQ(c->GetPosition(), (Vec3{400, 0, kStand - 300}));
  EXPECT_TRUE(world.recorder.shapeHits.empty());
  EXPECT_TRUE(world.recorder.controllerHits.empty());
}

TEST_F(ControllerScene, OneCallbackPerShapeTouched) {
  Floor();
  Actor* wallA = world.AddStaticBox({100, 0, 100}, {10, 200, 100});
  Actor* wallB = world.AddStaticBox({0, 100, 100}, {200, 10, 100});
  Walker w = Spawn({0, 0, kStand});
  w.Frames(40, {5, 5, 0});  // into the corner
  world.recorder.shapeHits.clear();
  w.Frame({30, 30, 0});
  auto& hits = world.recorder.shapeHits;
  ASSERT_EQ(hits.size(), 3u);
  EXPECT_EQ(std::count(hits.begin(), hits.end(), wallA->GetShapes()[0]), 1);
  EXPECT_EQ(std::count(hits.begin(), hits.end(), wallB->GetShapes()[0]), 1);
}

TEST_F(ControllerScene, ControllersMeetOnceAndDoNotPassEachOther) {
  Floor();
  Walker a = Spawn({0, 0, kStand});
  Walker b = Spawn({100, 0, kStand});
  for (int i = 0; i < 30; ++i) {
    world.recorder.controllerHits.clear();
    a.Frame({5, 0, 0});
    b.Frame({-5, 0, 0});
    EXPECT_LE(world.recorder.controllerHits.size(), 2u);
  }
  ASSERT_EQ(world.recorder.controllerHits.size(), 2u);
  EXPECT_EQ(world.recorder.controllerHits[0], b.controller);
  EXPECT_EQ(world.recorder.controllerHits[1], a.controller);
  EXPECT_GT(b.controller->GetPosition().x - a.controller->GetPosition().x, 24.0f);
}

TEST_F(ControllerScene, PushesDynamicBodies) {
  Floor();
  Actor* box = world.AddDynamicBox({60, 0, 8.1f}, {8, 8, 8});
  Walker w = Spawn({0, 0, kStand});
  world.recorder.shapeHits.clear();
  for (int i = 0; i < 60; ++i) {
    w.Frame({4, 0, 0});
    world.Step();
  }
  EXPECT_GT(box->GetGlobalPosition().x, 200.0f);
  EXPECT_NE(std::find(world.recorder.shapeHits.begin(), world.recorder.shapeHits.end(), box->GetShapes()[0]),
            world.recorder.shapeHits.end());
}

// Spawned overlapping a solid wall, the controller leaves it by the nearer face within one move
// and walks away freely.
TEST_F(ControllerScene, SpawnedInsideASolidWallGetsOut) {
  Floor();
  world.AddStaticBox({0, 0, 100}, {10, 500, 100});
  Walker w = Spawn({5, 0, kStand});
  w.Frame({});
  EXPECT_NEAR(w.controller->GetPosition().x, 10 + 12 + 0.1f, 0.2f);
  w.Frames(10, {5, 0, 0});
  EXPECT_NEAR(w.controller->GetPosition().x, 72.1f, 0.2f);
}

// A triangle mesh has no inside: spawned across a mesh wall, the controller is moved a bounded
// distance per move and never leaps or passes out through the wall's far face.
TEST_F(ControllerScene, SpawnedInsideAMeshWallNeitherExplodesNorTunnels) {
  Floor();
  world.AddMesh(MeshBuilder().AddBox({-10, -500, 0}, {10, 500, 200}));
  Walker w = Spawn({5, 0, kStand});
  Vec3 last = w.controller->GetPosition();
  for (int i = 0; i < 60; ++i) {
    w.Frame({i < 30 ? -5.0f : 5.0f, 0, 0});
    const Vec3 now = w.controller->GetPosition();
    ASSERT_TRUE(now.IsFinite());
    EXPECT_LT((now - last).Length(), 25.0f);
    EXPECT_GT(now.x, -10.0f + 12);
    EXPECT_NEAR(now.z, kStand, 0.5f);
    last = now;
  }
}

TEST_F(ControllerScene, RefusesNonsense) {
  Floor();
  Controller* c = world.AddController({0, 0, kStand});
  EXPECT_EQ(c->Move({NAN, 0, 0}, 1, 0.001f, 1), 0u);
  EXPECT_EQ(c->GetPosition(), (Vec3{0, 0, kStand}));
  EXPECT_FALSE(c->SetPosition({INFINITY, 0, 0}));
  ControllerDesc bad;
  bad.extents = {0, 1, 1};
  EXPECT_EQ(world.controllers.CreateController(world.scene, bad), nullptr);
  EXPECT_EQ(world.controllers.CreateController(nullptr, ControllerDesc{}), nullptr);
}

TEST_F(ControllerScene, PositionOfTheProxyMovesTheController) {
  Floor();
  Controller* c = world.AddController({0, 0, kStand});
  c->GetActor()->SetGlobalPosition({300, 0, kStand});
  EXPECT_EQ(c->GetPosition(), (Vec3{300, 0, kStand}));
  c->SetExtents({20, 20, 40});
  c->Move({0, 0, -1}, 1, 0.001f, 1);
  EXPECT_NEAR(c->GetPosition().z, 40.1f, 0.2f);
}

}  // namespace
}  // namespace physics_test
