#include <gtest/gtest.h>

#include "tests/ai/AgentTestSupport.h"

namespace {

class ActionQueueTest : public AgentTest {
 protected:
  ActionQueueTest() {
    guard = Guard({0, 0, 40});
    thief = Thief({2000, 0, 40});
  }
  // One think step's worth of adoption.
  void Adopt(TestAgent* agent) { agent->ai.ProcessPendingSets(); }

  TestAgent* guard;
  TestAgent* thief;
};

TEST_F(ActionQueueTest, AnInstantSetRunsWholeAndNeverBecomesCurrent) {
  thief->ai.SetActionSet("patrol", 0, nullptr);
  Adopt(thief);
  ASSERT_EQ(State(thief), "patrol");
  thief->ai.SetActionSet("use box", 0, nullptr);
  Adopt(thief);
  EXPECT_EQ(State(thief), "patrol");
  EXPECT_TRUE(world.IsInBox(*thief));
  EXPECT_TRUE(thief->ai.pendingSets.empty());
}

TEST_F(ActionQueueTest, OnlyAStrictlyHigherFirstPendingSetInterrupts) {
  guard->ai.SetActionSet("investigate", 0, nullptr);
  Adopt(guard);
  ASSERT_EQ(State(guard), "investigate");
  // Equal priority, then lower: both dropped.
  guard->ai.SetActionSet("investigate after chase", 0, nullptr);
  guard->ai.SetActionSet("path pause", 0, nullptr);
  Adopt(guard);
  EXPECT_EQ(State(guard), "investigate");
  EXPECT_TRUE(guard->ai.pendingSets.empty());
  // A higher set behind a lower one is dropped with it: only the first pending set counts.
  guard->ai.SetActionSet("path pause", 0, nullptr);
  guard->ai.SetActionSet("chase", 0, thief);
  Adopt(guard);
  EXPECT_EQ(State(guard), "investigate");
  guard->ai.SetActionSet("chase", 0, thief);
  Adopt(guard);
  EXPECT_EQ(State(guard), "chase");
  EXPECT_EQ(guard->ai.lastAction.Name, "move");
  EXPECT_EQ(guard->ai.GetCurrentAction().target.Get(), thief);
}

TEST_F(ActionQueueTest, TheTimeOverrideFitsOneActionSetsOnly) {
  guard->ai.SetActionSet("path pause", 5.0f, nullptr);
  EXPECT_FLOAT_EQ(guard->ai.pendingSets.back().actions.front().Time, 5.0f);
  guard->ai.SetActionSet("investigate", 5.0f, nullptr);
  EXPECT_FLOAT_EQ(guard->ai.pendingSets.back().actions.front().Time, 10.0f);
  guard->ai.SetActionSet("path pause", -1.0f, nullptr);
  EXPECT_FLOAT_EQ(guard->ai.pendingSets.back().actions.front().Time, 2.0f);
}

TEST_F(ActionQueueTest, APathPauseAfterAPatrolResumesThePatrolAsItWas) {
  guard->ai.SetActionSet("patrol", 0, nullptr);
  Adopt(guard);
  guard->ai.SetActionSet("path pause", 2.5f, nullptr);
  Adopt(guard);
  ASSERT_EQ(State(guard), "path pause");
  ASSERT_EQ(guard->ai.lastAction.Name, "patrol");
  guard->ai.CompleteAction();
  EXPECT_EQ(State(guard), "");
  ASSERT_EQ(Action(guard), "patrol");
  EXPECT_TRUE(guard->ai.GetCurrentAction().started);
}

TEST_F(ActionQueueTest, ConfuseDropsTheRestOfItsSet) {
  guard->ai.SetActionSet("investigate after chase", 0, thief);
  Adopt(guard);
  guard->ai.CompleteAction();
  guard->ai.CompleteAction();
  ASSERT_EQ(Action(guard), "confuse");
  AIAction look;
  look.Name = "look";
  guard->ai.current.actions.push_back(look);
  guard->ai.CompleteAction();
  EXPECT_TRUE(guard->ai.current.Empty());
  EXPECT_EQ(State(guard), "");
}

TEST_F(ActionQueueTest, CurrentActionQueriesOnAnEmptyQueue) {
  EXPECT_FALSE(guard->ai.IsCurrentAction(""));
  EXPECT_EQ(guard->ai.GetCurrentAction().Name, "");
  guard->ai.CompleteAction();
  EXPECT_EQ(guard->ai.actionsStarted, 0);
}

TEST_F(ActionQueueTest, AMissingSetIsRefusedAndReportedOncePerName) {
  EXPECT_FALSE(guard->ai.SetActionSet("dance", 0, nullptr));
  EXPECT_FALSE(guard->ai.SetActionSet("DANCE", 0, nullptr));
  EXPECT_TRUE(guard->ai.pendingSets.empty());
  EXPECT_TRUE(guard->ai.SetActionSet("Chase", 0, nullptr));
  const std::string log = LogOf("AI Log");
  EXPECT_NE(log.find("\"dance\""), std::string::npos);
  EXPECT_EQ(log.find("\"dance\""), log.rfind("\"dance\""));
}

TEST_F(ActionQueueTest, ChasersAreCountedUpToThree) {
  thief->ai.enabled = 0;
  for (int i = 0; i < 4; ++i) {
    TestAgent* chaser = Guard({0, 100.0f * i, 40});
    chaser->ai.SetActionSet("chase", 0, thief);
    Adopt(chaser);
  }
  EXPECT_EQ(thief->ai.IsChased(), 3);
  Guard({0, 900, 40})->ai.SetActionSet("investigate", 0, thief);
  EXPECT_EQ(guard->ai.IsChased(), 0);
}

}  // namespace
