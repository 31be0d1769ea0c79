#include <gtest/gtest.h>

#include "ai/agents/AgentPerception.h"
#include "tests/ai/AgentTestSupport.h"

namespace {

class PerceptionTest : public AgentTest {
 protected:
  PerceptionTest() {
    guard = Guard({0, 0, 40});
    // The stored facing points back from what the guard faces: this guard looks along +x.
    guard->physical.SetDirection({-1, 0, 0});
  }
  Entity* Seen() {
    AgentPerception(guard->ai, roster, world).Look();
    return guard->ai.targets.seenThief.Get();
  }
  bool Heard() { return AgentPerception(guard->ai, roster, world).ListenForThieves(); }

  TestAgent* guard;
};

TEST_F(PerceptionTest, AGuardSeesAheadWithinItsRangeButNotBehindOrThroughWalls) {
  TestAgent* thief = Thief({500, 100, 40});
  EXPECT_EQ(Seen(), thief);
  thief->physical.SetPosition({-500, 100, 40});
  EXPECT_EQ(Seen(), nullptr) << "the rear blind cone";
  thief->physical.SetPosition({610, 0, 40});
  EXPECT_EQ(Seen(), nullptr) << "the range is a squared distance: 600 units";
  thief->physical.SetPosition({500, 0, 40});
  world.walls.push_back({{200, -50, 0}, {220, 50, 300}});
  EXPECT_EQ(Seen(), nullptr) << "a wall between";
  world.walls.clear();
  world.gear[thief->GetId()].inBox = true;
  EXPECT_EQ(Seen(), nullptr) << "a thief in its box";
}

TEST_F(PerceptionTest, AChasingGuardLooksFartherAndAllRound) {
  TestAgent* thief = Thief({-700, 0, 40});
  guard->ai.SetActionSet("chase", 0, thief);
  guard->ai.ProcessPendingSets();
  EXPECT_EQ(Seen(), thief);
  thief->physical.SetPosition({-740, 0, 40});
  EXPECT_EQ(Seen(), nullptr);
}

TEST_F(PerceptionTest, AgentsInOneSpotSeeEachOtherWithoutARay) {
  TestAgent* thief = Thief({0, 0, 40});
  EXPECT_EQ(Seen(), thief);
  thief->playerPhysics.move = {1, 0, 0};
  EXPECT_FALSE(Heard()) << "no distance, no loudness";
}

TEST_F(PerceptionTest, GuardsAreSortedIntoAwakeAndAsleep) {
  TestAgent* other = Guard({300, 0, 40});
  AgentPerception(guard->ai, roster, world).Look();
  EXPECT_EQ(guard->ai.targets.seenGuard.Get(), other);
  other->ai.asleep = 1;
  AgentPerception(guard->ai, roster, world).Look();
  EXPECT_EQ(guard->ai.targets.seenSleepingGuard.Get(), other);
  EXPECT_EQ(guard->ai.targets.seenGuard.Get(), nullptr);
}

TEST_F(PerceptionTest, OnlyAMovingThiefIsHeardAndTheLoudestWins) {
  TestAgent* near = Thief({-150, 0, 40});
  TestAgent* far = Thief({-300, 0, 40});
  near->playerPhysics.speed = far->playerPhysics.speed = 200;
  EXPECT_FALSE(Heard()) << "standing still";
  far->playerPhysics.move = {1, 0, 0};
  EXPECT_TRUE(Heard());
  EXPECT_EQ(guard->ai.targets.heardThief.Get(), far);
  near->playerPhysics.move = {1, 0, 0};
  EXPECT_TRUE(Heard());
  EXPECT_EQ(guard->ai.targets.heardThief.Get(), near);
  far->playerPhysics.move = {};
  near->physical.SetPosition({-500, 0, 40});
  EXPECT_FALSE(Heard()) << "200 / 500 is below the threshold";
}

}  // namespace
