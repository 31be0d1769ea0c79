#include <gtest/gtest.h>

#include "ai/agents/GuardBrain.h"
#include "tests/ai/AgentTestSupport.h"

namespace {

class GuardBrainTest : public AgentTest {
 protected:
  GuardBrainTest() {
    patrols = {{{0, 0, 40}}};
    guard = Guard({0, 0, 40});
    Brain(guard).patrolPathIndex = 0;
    thief = Still({400, 0, 40});
  }
  static GuardBrain& Brain(TestAgent* agent) { return static_cast<GuardBrain&>(*agent->ai.brain); }
  // A thief the test moves by hand.
  TestAgent* Still(const platform::Vector3& at) {
    TestAgent* agent = Thief(at);
    agent->ai.enabled = 0;
    return agent;
  }
  void Chasing() {
    Run(1.6f);
    ASSERT_EQ(Action(guard), "chase");
  }

  TestAgent* guard;
  TestAgent* thief;
};

TEST_F(GuardBrainTest, AGuardSpotsAThiefWithASurpriseThenChasesIt) {
  Run(0.5f);
  EXPECT_EQ(State(guard), "spot thief");
  EXPECT_EQ(Action(guard), "surprise");
  EXPECT_EQ(guard->ai.GetCurrentAction().target.Get(), thief);
  Run(1.1f);
  EXPECT_EQ(Action(guard), "chase");
  const float before = Where(guard).x;
  Run(0.5f);
  EXPECT_NEAR(Where(guard).x - before, 260 * 0.5f, 10.0f);
}

TEST_F(GuardBrainTest, TheChaseBonusIsOnlyForTheUsersThiefAboveTheEasiestGame) {
  Chasing();
  EXPECT_FLOAT_EQ(guard->playerPhysics.speed, 260);
  world.controlled.Set(thief);
  world.difficulty = 1;
  Frame();
  EXPECT_FLOAT_EQ(guard->playerPhysics.speed, 260);
  world.difficulty = 2;
  Frame();
  EXPECT_FLOAT_EQ(guard->playerPhysics.speed, 320);
  world.difficulty = 3;
  Frame();
  EXPECT_FLOAT_EQ(guard->playerPhysics.speed, 335);
}

TEST_F(GuardBrainTest, ABoxEndsTheChaseAndTheGuardDropsIt) {
  Chasing();
  world.gear[thief->GetId()].inBox = true;
  Run(1.0f);
  EXPECT_NE(Action(guard), "chase");
  EXPECT_NE(State(guard), "investigate after chase");
}

TEST_F(GuardBrainTest, AThiefLostBehindAWallIsInvestigatedWhereItWent) {
  Chasing();
  thief->physical.SetPosition({Where(guard).x + 300, 0, 40});
  world.walls.push_back({{Where(guard).x + 100, -100, 0}, {Where(guard).x + 120, 100, 300}});
  Run(0.6f);
  EXPECT_EQ(State(guard), "investigate after chase");
  EXPECT_EQ(guard->ai.GetCurrentAction().target.Get(), thief);
}

TEST_F(GuardBrainTest, AnotherThiefSeenSoonAfterAChaseIsChasedWithoutASurprise) {
  Chasing();
  world.walls.push_back({{Where(guard).x + 30, -100, 0}, {Where(guard).x + 50, 100, 300}});
  thief->physical.SetPosition({Where(guard).x + 300, 0, 40});
  Run(0.6f);
  ASSERT_EQ(State(guard), "investigate after chase");
  TestAgent* other = Still(Where(guard) + platform::Vector3{0, 200, 0});
  Run(0.6f);
  EXPECT_EQ(State(guard), "chase");
  EXPECT_EQ(guard->ai.GetCurrentAction().target.Get(), other);
}

TEST_F(GuardBrainTest, AGuardSwitchesToAStrictlyNearerThief) {
  Run(1.2f);
  ASSERT_EQ(Action(guard), "chase");
  // The same distance keeps the chase where it is.
  const platform::Vector3 here = Where(guard);
  thief->physical.SetPosition(here + platform::Vector3{300, 0, 0});
  TestAgent* other = Still(here + platform::Vector3{0, 300, 0});
  Run(0.5f);
  EXPECT_EQ(guard->ai.GetCurrentAction().target.Get(), thief);
  other->physical.SetPosition(Where(guard) + platform::Vector3{0, 150, 0});
  Run(0.5f);
  EXPECT_EQ(State(guard), "chase");
  EXPECT_EQ(guard->ai.GetCurrentAction().target.Get(), other);
}

TEST_F(GuardBrainTest, SmokeSendsAGuardToSleepAt180UnitsNotAt190) {
  thief->physical.SetPosition({-4000, 0, 40});
  TestPlace* bomb = Place("SmokeGrenade", {190, 0, 40});
  Run(1.0f);
  EXPECT_NE(State(guard), "sleep now");
  bomb->physical.SetPosition({180, 0, 40});
  world.flyingGrenades.insert(bomb->GetId());
  Run(1.0f);
  EXPECT_NE(State(guard), "sleep now") << "a bomb in flight has no smoke yet";
  world.flyingGrenades.clear();
  Run(1.0f);
  EXPECT_EQ(State(guard), "sleep now");
  thief->physical.SetPosition({400, 0, 40});
  Run(1.0f);
  EXPECT_EQ(State(guard), "sleep now") << "a smoked guard sees nothing";
}

TEST_F(GuardBrainTest, ASleeperWakesForAWalkingThiefNotForAStillOne) {
  Brain(guard).asleep = true;
  Brain(guard).stateName = "sleep";
  thief->physical.SetPosition({150, 0, 40});
  thief->playerPhysics.speed = 200;
  Run(2.0f);
  EXPECT_EQ(State(guard), "sleep");
  EXPECT_TRUE(guard->ai.asleep);
  thief->playerPhysics.move = {0.5f, 0, 0};
  Run(0.5f);
  EXPECT_FALSE(guard->ai.asleep);
  EXPECT_EQ(State(guard), "spot thief") << "awake, it sees the thief";
}

TEST_F(GuardBrainTest, OneGuardAnswersAnAlarm) {
  thief->physical.SetPosition({-4000, 0, 40});
  TestAgent* far = Guard({0, 500, 40});
  TestAgent* elsewhere = Guard({0, 10, 40}, 1);
  Thief({0, 5, 40});
  roster.SendGuardToAlarm({0, 0, 40}, thief);
  EXPECT_EQ(guard->ai.pendingSets.size(), 1u);
  EXPECT_TRUE(far->ai.pendingSets.empty());
  EXPECT_TRUE(elsewhere->ai.pendingSets.empty()) << "another map";
  guard->ai.ProcessPendingSets();
  ASSERT_EQ(State(guard), "investigate");
  EXPECT_EQ(guard->ai.GetCurrentAction().target.Get(), thief);
  guard->ai.SetActionSet("chase", 0, thief);
  guard->ai.ProcessPendingSets();
  roster.SendGuardToAlarm({0, 0, 40}, thief);
  EXPECT_EQ(far->ai.pendingSets.size(), 1u) << "a chasing guard is not sent";
  roster.SendGuardToAlarm({0, 0, 40}, nullptr);
  EXPECT_EQ(elsewhere->ai.pendingSets.size(), 1u) << "without a thief every map counts";
}

}  // namespace
