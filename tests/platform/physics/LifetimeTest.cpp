#include <gtest/gtest.h>

#include "tests/platform/physics/PhysicsWorld.h"

namespace physics_test {
namespace {

// An actor of the game's own that only keeps a pose.
struct PoseOnly : Actor {
  Scene* GetScene() const override { return nullptr; }
  void SetGlobalPosition(const Vec3& p) override { pose.translation = p; }
  Vec3 GetGlobalPosition() const override { return pose.translation; }
  void SetGlobalOrientationQuat(const Quat& q) override { pose.rotation = q; }
  Quat GetGlobalOrientationQuat() const override { return pose.rotation; }
  Pose GetGlobalPose() const override { return {}; }
  void SetLinearVelocity(const Vec3&) override {}
  Vec3 GetLinearVelocity() const override { return {}; }
  Shape* CreateShape(const ShapeDesc&) override { return nullptr; }
  void ReleaseShape(Shape&) override {}
  uint32_t GetNbShapes() const override { return 0; }
  Shape* const* GetShapes() const override { return nullptr; }
  bool IsDynamic() const override { return false; }
  void RaiseActorFlag(uint32_t) override {}
  void ClearActorFlag(uint32_t) override {}
  void RaiseBodyFlag(uint32_t) override {}
  void ClearBodyFlag(uint32_t) override {}
  Pose pose;
};

Actor* AddBox(Scene* scene, const Vec3& at) {
  BodyDesc body;
  ActorDesc desc;
  desc.body = &body;
  desc.globalPose.translation = at;
  desc.shapes.push_back(ShapeDesc::Box({8, 8, 8}));
  return scene->CreateActor(desc);
}

// The game restarts its physics world while the last game's entities wait for deletion; they
// then release their actors through the new scene.
TEST(PhysicsLifetime, RestartingTheWorldWithLiveActorHandlesIsClean) {
  PhysicsSdk sdk;
  ControllerManager controllers;
  Scene* scene = sdk.CreateScene({});
  std::vector<Actor*> stale;
  Controller* staleController = nullptr;
  for (int round = 0; round < 10; ++round) {
    Scene* next = sdk.CreateScene({});
    sdk.ReleaseScene(scene);
    scene = next;
    ASSERT_EQ(sdk.GetNbScenes(), 1u);
    // Last game's actors: husks that keep their pose until their owners release them.
    for (Actor* a : stale) {
      EXPECT_EQ(a->GetScene(), nullptr);
      EXPECT_EQ(a->GetGlobalPosition().z, 100.0f);
      a->SetLinearVelocity({1, 2, 3});
      EXPECT_EQ(a->CreateShape(ShapeDesc::Box({1, 1, 1})), nullptr);
      scene->ReleaseActor(a);
    }
    if (staleController) {
      EXPECT_EQ(staleController->Move({10, 0, 0}, 1, 0.001f, 1), 0u);
      controllers.ReleaseController(staleController);
    }
    EXPECT_EQ(scene->GetNbActors(), 0u);
    stale = {AddBox(scene, {0, 0, 100}), AddBox(scene, {50, 0, 100})};
    staleController = controllers.CreateController(scene, ControllerDesc{});
    ASSERT_NE(staleController, nullptr);
    EXPECT_EQ(scene->GetNbActors(), 3u);
  }
}

TEST(PhysicsLifetime, ControllerOwnsItsProxy) {
  PhysicsWorld world;
  Controller* c = world.AddController({0, 0, 50});
  world.scene->ReleaseActor(c->GetActor());  // ignored: the controller's owner releases it
  EXPECT_EQ(world.scene->GetNbActors(), 1u);
  EXPECT_EQ(c->Move({5, 0, 0}, 1, 0.001f, 1), 0u);
  world.controllers.ReleaseController(c);
  EXPECT_EQ(world.scene->GetNbActors(), 0u);
  world.controllers.ReleaseController(c);
  world.controllers.ReleaseController(nullptr);
  EXPECT_EQ(world.controllers.GetNbControllers(), 0u);
}

TEST(PhysicsLifetime, ForeignActorsAreIgnored) {
  PhysicsWorld world;
  PhysicsWorld other;
  Actor* theirs = AddBox(other.scene, {});
  PoseOnly pose;
  world.scene->ReleaseActor(nullptr);
  world.scene->ReleaseActor(&pose);
  world.scene->ReleaseActor(theirs);
  EXPECT_EQ(other.scene->GetNbActors(), 1u);
  EXPECT_EQ(theirs->GetScene(), other.scene);
}

TEST(PhysicsLifetime, ManagerAndSdkReleaseWhatIsLeft) {
  auto sdk = std::make_unique<PhysicsSdk>();
  ControllerManager controllers;
  Scene* scene = sdk->CreateScene({});
  Actor* box = AddBox(scene, {0, 0, 5});
  controllers.CreateController(scene, ControllerDesc{});
  sdk.reset();  // the scene goes first; the controller keeps a husk proxy
  EXPECT_EQ(box->GetGlobalPosition().z, 5.0f);
  controllers.PurgeControllers();
  EXPECT_EQ(controllers.GetNbControllers(), 0u);
}

}  // namespace
}  // namespace physics_test
