#include <gtest/gtest.h>

#include "ai/agents/GuardBrain.h"
#include "tests/ai/AgentTestSupport.h"

namespace {

class AgentUpdateTest : public AgentTest {
 protected:
  AgentUpdateTest() {
    user = Thief({5000, 5000, 40}, 1);
    user->ai.enabled = 0;
    world.controlled.Set(user);
  }
  TestAgent* user;
};

TEST_F(AgentUpdateTest, AnAgentWithNothingBelowItFellAndStartsAgain) {
  // A sleeper at its post lies in one long action, which only a reset starts anew.
  TestAgent* watcher = Guard({0, 0, 1500});
  static_cast<GuardBrain&>(*watcher->ai.brain).stateName = "sleep";
  auto startOfLook = [&] { return watcher->ai.GetCurrentAction().startStamp; };
  Run(0.5f);
  ASSERT_EQ(Action(watcher), "sleep");
  const float first = startOfLook();
  Run(0.5f);
  EXPECT_EQ(startOfLook(), first) << "1500 units above the floor is no fall";
  watcher->physical.SetPosition({0, 0, 2100});
  watcher->ai.homePosition = {0, 0, 2100};
  Run(0.5f);
  const float second = startOfLook();
  EXPECT_GT(second, first) << "more than 2000";
  world.floor = false;
  watcher->physical.SetPosition({0, 0, 40});
  watcher->ai.homePosition = {0, 0, 40};
  Run(0.5f);
  EXPECT_GT(startOfLook(), second) << "a ray that meets nothing has no distance to trust";
}

TEST_F(AgentUpdateTest, TheDifficultyIsKeptWithinOneToThree) {
  TestAgent* thief = Thief({0, 0, 40});
  Place("ItemDropoff", {900, 0, 40});
  for (int32_t difficulty : {0, 4, 7, -3}) {
    world.difficulty = difficulty;
    EXPECT_GE(roster.GetDifficulty(), 1);
    EXPECT_LE(roster.GetDifficulty(), 3);
    world.gear[thief->GetId()].carrying = true;
    thief->ai.SetActionSet("drop off", 0, nullptr);
    thief->ai.ProcessPendingSets();
    thief->ai.ClearActions();
  }
  world.difficulty = 4;
  EXPECT_EQ(roster.GetDifficulty(), 3);
  world.difficulty = 0;
  EXPECT_EQ(roster.GetDifficulty(), 1);
}

TEST_F(AgentUpdateTest, TwoThievesGoForOneItemAndTheLoserLetsGoWhenItIsTaken) {
  TestPlace* item = Place("Item", {500, 0, 40});
  TestAgent* first = Thief({0, 0, 40});
  TestAgent* second = Thief({0, 100, 40});
  Run(0.6f);
  ASSERT_EQ(State(first), "obtain");
  ASSERT_EQ(State(second), "obtain");
  EXPECT_EQ(second->ai.GetCurrentAction().target.Get(), item);
  Engine::Get()->GetEntityManager()->QueueDelete(item);
  Engine::Get()->GetEntityManager()->ProcessDeletions();
  Frame();
  EXPECT_NE(Action(first), "obtain");
  EXPECT_NE(Action(second), "obtain");
  EXPECT_EQ(first->ai.lastAction.Name, "obtain");
}

TEST_F(AgentUpdateTest, AnAgentStartingActionsWithoutEndStartsAfresh) {
  TestAgent* guard = Guard({0, 0, 40});
  patrols = {{{0, 0, 40}}};
  Run(0.6f);
  guard->physical.SetPosition({400, 0, 40});
  guard->ai.actionsStarted = 10;
  Frame();
  EXPECT_EQ(Where(guard), (platform::Vector3{0, 0, 40})) << "a guard is sent home";
  TestAgent* thief = Thief({0, 300, 40});
  Run(0.6f);
  thief->ai.actionsStarted = 10;
  Frame();
  EXPECT_TRUE(thief->ai.current.Empty()) << "a thief drops what it was doing";
  EXPECT_EQ(thief->ai.actionsStarted, 0);
}

}  // namespace
