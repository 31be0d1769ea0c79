#include <gtest/gtest.h>

#include "tests/platform/physics/PhysicsWorld.h"

namespace physics_test {
namespace {

struct Reports : ::testing::Test {
  Reports() { floor = world.AddMesh(MeshBuilder().AddBox({-2000, -2000, -20}, {2000, 2000, 0})); }
  PhysicsWorld world;
  Actor* floor;
};

uint32_t Count(const std::vector<uint32_t>& events, uint32_t bit) {
  uint32_t n = 0;
  for (uint32_t e : events) n += (e & bit) ? 1 : 0;
  return n;
}

TEST_F(Reports, StartTouchEndArriveOnceEachInOrder) {
  Actor* box = world.AddDynamicBox({0, 0, 100}, {8, 8, 8}, kNotifyAll);
  world.Step(180);  // falls, lands, comes to rest and sleeps: still one contact
  box->SetGlobalPosition({0, 0, 1000});
  world.Step(2);
  const auto& events = world.recorder.contactEvents;
  ASSERT_GE(events.size(), 3u);
  EXPECT_EQ(events.front(), uint32_t{kNotifyOnStartTouch | kNotifyOnTouch});
  EXPECT_EQ(events.back(), uint32_t{kNotifyOnEndTouch});
  EXPECT_EQ(Count(events, kNotifyOnStartTouch), 1u);
  EXPECT_EQ(Count(events, kNotifyOnEndTouch), 1u);
  for (size_t i = 1; i + 1 < events.size(); ++i) EXPECT_EQ(events[i], uint32_t{kNotifyOnTouch});
  EXPECT_TRUE(world.recorder.lastPoints.empty());
}

TEST_F(Reports, FreezingATouchingBodyKeepsItsContact) {
  Actor* box = world.AddDynamicBox({0, 0, 30}, {8, 8, 8}, kNotifyOnStartTouch | kNotifyOnEndTouch);
  world.Step(60);
  box->RaiseBodyFlag(kBodyFrozen);
  world.Step(10);
  box->ClearBodyFlag(kBodyFrozen);
  world.Step(10);
  EXPECT_EQ(world.recorder.contactEvents, std::vector<uint32_t>{kNotifyOnStartTouch});
}

TEST_F(Reports, ContactPointsLieOnTheFloor) {
  world.AddDynamicBox({0, 0, 30}, {8, 8, 8}, kNotifyOnStartTouch);
  world.Step(60);
  ASSERT_EQ(world.recorder.contactEvents.size(), 1u);
  ASSERT_FALSE(world.recorder.lastPoints.empty());
  for (const ContactPoint& p : world.recorder.lastPoints) {
    EXPECT_NEAR(p.position.z, 0.0f, 0.5f);
    EXPECT_NEAR(p.normal.z, 1.0f, 0.05f);  // from the floor towards the box
  }
}

TEST_F(Reports, OnlyActorsThatAskedAreReported) {
  world.AddDynamicBox({0, 0, 30}, {8, 8, 8});
  world.Step(60);
  EXPECT_TRUE(world.recorder.contactEvents.empty());
}

TEST_F(Reports, ReleasedActorEndsWithoutReport) {
  Actor* box = world.AddDynamicBox({0, 0, 30}, {8, 8, 8}, kNotifyAll);
  world.Step(60);
  world.recorder.contactEvents.clear();
  world.scene->ReleaseActor(box);
  world.Step(5);
  EXPECT_TRUE(world.recorder.contactEvents.empty());
}

// A handler that releases the actors of the reports still to come.
struct Releaser : ContactReport {
  void OnContactNotify(const ContactPair& pair, uint32_t) override {
    ++calls;
    scene->ReleaseActor(pair.actors[0]);
    scene->ReleaseActor(pair.actors[1]);
  }
  Scene* scene;
  int calls = 0;
};

TEST(ReportDelivery, HandlersMayReleaseActors) {
  PhysicsSdk sdk;
  Releaser releaser;
  SceneDesc desc;
  desc.contactReport = &releaser;
  Scene* scene = sdk.CreateScene(desc);
  releaser.scene = scene;
  ActorDesc floor;
  floor.shapes.push_back(ShapeDesc::Box({500, 500, 10}));
  scene->CreateActor(floor);
  BodyDesc body;
  ActorDesc box;
  box.body = &body;
  box.contactReportFlags = kNotifyAll;
  box.shapes.push_back(ShapeDesc::Box({8, 8, 8}));
  for (float x : {0.0f, 0.0f}) {  // stacked: box-floor and box-box contacts in one step
    box.globalPose.translation = {x, 0, scene->GetNbActors() * 16.0f + 2};
    scene->CreateActor(box);
  }
  for (int i = 0; i < 30; ++i) {
    scene->Simulate(1.0f / 60.0f);
    scene->FetchResults();
  }
  EXPECT_GE(releaser.calls, 1);
  EXPECT_LE(scene->GetNbActors(), 2u);
}

TEST_F(Reports, TriggerEnterStayLeave) {
  world.AddStaticBox({0, 0, 50}, {50, 50, 50}, kTriggerEnable);
  Actor* box = world.AddDynamicBox({0, 0, 300}, {8, 8, 8});
  world.Step(120);
  box->SetGlobalPosition({0, 500, 8});
  world.Step(2);
  const auto& status = world.recorder.triggerStatus;
  ASSERT_GE(status.size(), 3u);
  EXPECT_EQ(status.front(), uint32_t{kTriggerStatusEnter});
  EXPECT_EQ(status.back(), uint32_t{kTriggerStatusLeave});
  for (size_t i = 1; i + 1 < status.size(); ++i) EXPECT_EQ(status[i], uint32_t{kTriggerStatusStay});
  // The box fell through the trigger onto the floor.
  EXPECT_NEAR(box->GetGlobalPosition().z, 8.0f, 0.5f);
}

TEST_F(Reports, TriggerSendsOnlyWhatItsFlagsAsk) {
  world.AddStaticBox({0, 0, 50}, {50, 50, 50}, kTriggerOnLeave);
  Actor* box = world.AddDynamicBox({0, 0, 30}, {8, 8, 8});
  world.Step(30);
  EXPECT_TRUE(world.recorder.triggerStatus.empty());
  box->SetGlobalPosition({0, 500, 8});
  world.Step(2);
  EXPECT_EQ(world.recorder.triggerStatus, std::vector<uint32_t>{kTriggerStatusLeave});
}

TEST_F(Reports, ControllerEntersTrigger) {
  world.AddStaticBox({200, 0, 50}, {50, 50, 50}, kTriggerEnable);
  Controller* c = world.AddController({0, 0, 28.1f});
  for (int i = 0; i < 40; ++i) {
    c->Move({5, 0, -1}, 1, 0.001f, 1);
    world.Step();
  }
  ASSERT_FALSE(world.recorder.triggerStatus.empty());
  EXPECT_EQ(world.recorder.triggerStatus.front(), uint32_t{kTriggerStatusEnter});
  EXPECT_TRUE(world.recorder.shapeHits.size() > 0);  // the floor, never the trigger
}

}  // namespace
}  // namespace physics_test
