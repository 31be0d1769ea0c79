#include <algorithm>

#include "physics/PhysicsReport.h"
#include "platform/physics/Flags.h"

#include "tests/physics/PhysicsTestSupport.h"

namespace {

using ContactTest = PhysicsTest;

std::string Line(const char* message, const Entity* other) {
  return std::string(message) + ":" + std::to_string(other ? other->GetId() : 0);
}

// A box dropped onto a static block, then lifted away: one start, touches while they touch,
// one end, each naming the other entity.
TEST_F(ContactTest, StartTouchAndEndArriveOnceEachInOrderWithTheOtherEntity) {
  StartPhysics();
  Prop* block = CreateBody({0, 0, 0}, {50, 50, 10});
  block->physical.isStatic = 1;
  Prop* box = CreateBody({0, 0, 40});
  for (Prop* b : {block, box}) {
    b->physical.sendOnStartTouch = b->physical.sendOnTouch = b->physical.sendOnEndTouch = 1;
  }
  Frames(60);
  box->physical.SetPositionCached({0, 0, 2000});
  box->physical.RequestFreeze();
  Frames(10);

  for (auto [self, other] : {std::pair{box, block}, std::pair{block, box}}) {
    const auto& lines = self->touches.lines;
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(self->touches.Count(Line("OnStartTouch", other)), 1u);
    EXPECT_EQ(self->touches.Count(Line("OnEndTouch", other)), 1u);
    EXPECT_EQ(lines.back(), Line("OnEndTouch", other));
    // The first report of a contact holds touch and start: touch goes first.
    EXPECT_EQ(lines[0], Line("OnTouch", other));
    EXPECT_EQ(lines[1], Line("OnStartTouch", other));
    EXPECT_EQ(self->touches.Count(Line("OnTouch", other)), lines.size() - 2);
  }
}

TEST_F(ContactTest, TheWorldMeshSendsNothingAndIsNamedAsNoEntity) {
  StartPhysics();
  CookWorld(WorldBuilder().AddBox({-200, -200, -10}, {200, 200, 0}));
  Prop* box = CreateBody({0, 0, 30});
  box->physical.sendOnStartTouch = 1;
  Frames(60);
  EXPECT_EQ(box->touches.lines, (std::vector<std::string>{"OnStartTouch:0"}));
}

TEST_F(ContactTest, OnlyTheKindsOptedInToArrive) {
  StartPhysics();
  CookWorld(WorldBuilder().AddBox({-200, -200, -10}, {200, 200, 0}));
  Prop* box = CreateBody({0, 0, 30});
  box->physical.sendOnEndTouch = 1;
  Frames(60);
  EXPECT_TRUE(box->touches.lines.empty());
  box->physical.SetPositionCached({0, 0, 500});
  Frames(2);
  EXPECT_EQ(box->touches.lines, (std::vector<std::string>{"OnEndTouch:0"}));
}

TEST_F(ContactTest, NothingArrivesWhileTheTimerIsPaused) {
  StartPhysics();
  CookWorld(WorldBuilder().AddBox({-200, -200, -10}, {200, 200, 0}));
  Prop* box = CreateBody({0, 0, 30});
  box->physical.sendOnTouch = box->physical.sendOnStartTouch = 1;
  TestCharacter* thief = CreateCharacter({100, 0, 40});
  Frames(30);
  ASSERT_FALSE(box->touches.lines.empty());
  box->touches.lines.clear();
  thief->touches.lines.clear();
  Engine::Get()->GetTimer()->SetPaused(true);
  const platform::Vector3 before = box->physical.GetPosition();
  Frames(30);
  EXPECT_TRUE(box->touches.lines.empty());
  EXPECT_TRUE(thief->touches.lines.empty());
  EXPECT_EQ(box->physical.GetPosition(), before);
}

TEST_F(ContactTest, ATriggerReportsEnteringAndLeaving) {
  StartPhysics();
  Prop* laser = CreateBody({0, 0, 0}, {40, 40, 40});
  laser->physical.isStatic = laser->physical.isTrigger = 1;
  laser->physical.sendOnStartTouch = laser->physical.sendOnEndTouch = 1;
  Prop* box = CreateBody({0, 0, 100});
  Frames(60);
  EXPECT_EQ(laser->touches.lines, (std::vector<std::string>{Line("OnStartTouch", box), Line("OnEndTouch", box)}));
  // The body fell through: a trigger blocks nothing.
  EXPECT_LT(box->physical.GetPosition().z, -100.0f);
}

TEST_F(ContactTest, ACharacterTouchesAStaticPickupAndAnotherCharacter) {
  StartPhysics();
  CookWorld(WorldBuilder().AddBox({-500, -500, -10}, {500, 500, 0}));
  Prop* pickup = CreateBody({80, 0, 20}, {10, 10, 20});
  pickup->physical.isStatic = 1;
  pickup->physical.sendOnTouch = 1;
  TestCharacter* thief = CreateCharacter({0, 0, 40});
  TestCharacter* guard = CreateCharacter({0, 100, 40});
  Frames(10);
  thief->touches.lines.clear();
  guard->touches.lines.clear();
  thief->playerPhysics.move = {5, 0, 0};
  Frames(30);
  thief->playerPhysics.move = {0, 5, 0};
  thief->physical.SetPositionCached({0, 0, 40});
  Frames(30);
  EXPECT_GE(pickup->touches.Count(Line("OnTouch", thief)), 1u);
  EXPECT_GE(thief->touches.Count(Line("OnTouch", pickup)), 1u);
  EXPECT_GE(thief->touches.Count(Line("OnTouch", guard)), 1u);
  EXPECT_GE(guard->touches.Count(Line("OnTouch", thief)), 1u);
}

TEST_F(ContactTest, ContactPointsAreThoseOfTheLatestReport) {
  StartPhysics();
  CookWorld(WorldBuilder().AddBox({-200, -200, -10}, {200, 200, 0}));
  Prop* box = CreateBody({0, 0, 30});
  box->physical.sendOnTouch = 1;
  Frames(60);
  ASSERT_FALSE(physics->GetContactPoints().empty());
  for (const platform::Vector3& p : physics->GetContactPoints()) EXPECT_NEAR(p.z, 0.0f, 0.5f);
  EXPECT_NEAR(std::fabs(physics->GetContactNormal().z), 1.0f, 0.01f);
}

// The report as the world calls it, on the actors of real bodies.
TEST_F(ContactTest, OneReportWithStartAndTouchSendsTouchToBothThenStartToBoth) {
  StartPhysics();
  Prop* a = CreateBody({0, 0, 0});
  Prop* b = CreateBody({100, 0, 0});
  for (Prop* p : {a, b}) p->physical.sendOnTouch = p->physical.sendOnStartTouch = 1;
  Frames(1, 0.0);
  const platform::physics::ContactPair pair{{a->physical.GetActor(), b->physical.GetActor()}, {}};
  physics->GetReport()->OnContactNotify(pair, platform::physics::kNotifyOnStartTouch | platform::physics::kNotifyOnTouch);
  EXPECT_EQ(a->touches.lines, (std::vector<std::string>{Line("OnTouch", b), Line("OnStartTouch", b)}));
  EXPECT_EQ(b->touches.lines, (std::vector<std::string>{Line("OnTouch", a), Line("OnStartTouch", a)}));
}

TEST_F(ContactTest, AReportWithoutPointsEmptiesThePointsAndKeepsTheNormal) {
  StartPhysics();
  physics->GetContactPoints() = {{1, 2, 3}};
  physics->GetContactNormal() = {0, 0, 1};
  physics->GetReport()->OnContactNotify({{nullptr, nullptr}, {}}, platform::physics::kNotifyOnEndTouch);
  EXPECT_TRUE(physics->GetContactPoints().empty());
  EXPECT_EQ(physics->GetContactNormal(), (platform::Vector3{0, 0, 1}));
}

}  // namespace
