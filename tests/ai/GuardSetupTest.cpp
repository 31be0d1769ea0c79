#include <gtest/gtest.h>

#include "ai/nav/AIMapData.h"
#include "ai/agents/GuardBrain.h"
#include "ai/agents/GuardSetup.h"
#include "tests/ai/AgentTestSupport.h"

namespace {

class GuardSetupTest : public AgentTest {
 protected:
  GuardSetupTest() { ai.GetConfig().MaxGuards = 6; }

  static PatrolMarker Marker(int32_t pathNum, int32_t id, platform::Vector3 at, std::string type = "",
                             std::string direction = "", float pause = 0, int32_t map = 0) {
    PatrolMarker marker;
    marker.pathNum = pathNum + 10 * map;
    marker.id = id;
    marker.position = at;
    marker.type = std::move(type);
    marker.direction = std::move(direction);
    marker.pause = pause;
    marker.mapIndex = map;
    return marker;
  }
  // The guards made, in the order they were made.
  std::vector<TestAgent*> Setup(std::vector<PatrolMarker> markers) {
    const size_t before = roster.GetAgents().size();
    GuardSetup(ai, world).Run(markers);
    left = markers;
    std::vector<TestAgent*> guards;
    for (size_t i = before; i < roster.GetAgents().size(); ++i) {
      guards.push_back(static_cast<TestAgent*>(roster.GetAgents()[i]->owner));
    }
    return guards;
  }
  static GuardBrain& Brain(TestAgent* guard) { return static_cast<GuardBrain&>(*guard->ai.brain); }

  std::vector<PatrolMarker> left;
};

TEST_F(GuardSetupTest, MarkersOfOnePathMakeOneGuardWalkingThemInIdOrderAndBack) {
  std::vector<TestAgent*> guards =
      Setup({Marker(3, 2, {200, 0, 0}), Marker(3, 0, {0, 0, 0}, "", "south", 2.5f), Marker(3, 1, {100, 0, 0})});
  ASSERT_EQ(guards.size(), 1u);
  const AIRoute& path = ai.GetPathSet().patrolPaths.at(0);
  const AIMapData& lobby = *ai.GetMapData(0);
  ASSERT_EQ(path.nodeIds.size(), 4u);
  EXPECT_FLOAT_EQ(lobby.nodes[path.nodeIds[0]].position.x, 0);
  EXPECT_FLOAT_EQ(lobby.nodes[path.nodeIds[1]].position.x, 100);
  EXPECT_FLOAT_EQ(lobby.nodes[path.nodeIds[2]].position.x, 200);
  EXPECT_EQ(path.nodeIds[3], path.nodeIds[0]) << "a closed loop";
  EXPECT_FLOAT_EQ(path.points[0].pause, 2.5f);
  EXPECT_EQ(path.name, "lobby.bsp");
  TestAgent* guard = guards[0];
  EXPECT_EQ(guard->ai.homePosition, (platform::Vector3{0, 0, 25}));
  EXPECT_EQ(guard->ai.route->homeFacing, (platform::Vector3{0, -1, 0}));
  EXPECT_EQ(Brain(guard).patrolPathIndex, 0);
  EXPECT_EQ(Brain(guard).stateName, "patrol");
  EXPECT_TRUE(guard->ai.lamp) << "three markers keep the flashlight on";
  EXPECT_TRUE(left.empty());
}

TEST_F(GuardSetupTest, OneMarkerMakesASleeperAWatcherOrOneAsleepForGood) {
  std::vector<TestAgent*> guards = Setup({Marker(0, 0, {0, 0, 0}), Marker(1, 0, {300, 0, 0}, "invincible"),
                                          Marker(2, 0, {600, 0, 0}, "dead", "east"), Marker(3, 0, {900, 0, 0}, "Dead"),
                                          Marker(4, 0, {0, 300, 0}, "invincible"), Marker(4, 1, {0, 600, 0})});
  ASSERT_EQ(guards.size(), 5u);
  EXPECT_EQ(Brain(guards[0]).stateName, "sleep");
  EXPECT_TRUE(Brain(guards[0]).asleep);
  EXPECT_EQ(world.GearOf(*guards[0]).variant, 1);
  EXPECT_EQ(Brain(guards[1]).stateName, "look no light");
  EXPECT_EQ(Action(guards[1]), "look no light");
  EXPECT_FALSE(guards[1]->ai.GetCurrentAction().started);
  EXPECT_EQ(world.GearOf(*guards[1]).variant, 2);
  EXPECT_FALSE(guards[2]->ai.enabled) << "dead";
  EXPECT_TRUE(guards[2]->ai.asleep);
  EXPECT_EQ(Action(guards[2]), "sleep");
  EXPECT_EQ(guards[2]->physical.direction, (platform::Vector3{-1, 0, 0}));
  EXPECT_TRUE(guards[3]->ai.enabled) << "\"Dead\" is no type: a sleeper";
  EXPECT_EQ(Brain(guards[4]).stateName, "patrol");
  EXPECT_EQ(world.GearOf(*guards[4]).variant, 2);
  EXPECT_FALSE(guards[4]->ai.lamp) << "two markers";
}

TEST_F(GuardSetupTest, MaxGuardsAndPathNumbersLimitTheGuards) {
  ai.GetConfig().MaxGuards = 2;
  EXPECT_EQ(Setup({Marker(7, 0, {0, 0, 0}), Marker(0, 0, {0, 0, 0}), Marker(5, 0, {0, 0, 0})}).size(), 2u);
  ASSERT_EQ(left.size(), 1u);
  EXPECT_EQ(left[0].pathNum, 7);
  ai.GetConfig().MaxGuards = -1;
  EXPECT_TRUE(Setup({Marker(0, 0, {0, 0, 0})}).empty());
  ai.GetConfig().MaxGuards = 1000000;
  EXPECT_TRUE(Setup({Marker(10001, 0, {0, 0, 0}), Marker(0, 0, {0, 0, 0}, "", "", 0, 7)}).empty())
      << "beyond the path numbers, or in a map not loaded";
  EXPECT_NE(LogOf("AI Log").find("outside 0 to 10000"), std::string::npos);
  EXPECT_NE(LogOf("AI Log").find("not loaded"), std::string::npos);
}

TEST_F(GuardSetupTest, EqualIdsKeepTheMapsOrderAndBadPausesStandStill) {
  Setup({Marker(0, 1, {0, 0, 0}, "", "", -5), Marker(0, 1, {300, 0, 0}), Marker(0, 1, {600, 0, 0}),
         Marker(12, 0, {0, 0, 0}, "", "", 0, 0)});
  const AIRoute& path = ai.GetPathSet().patrolPaths.at(0);
  const AIMapData& lobby = *ai.GetMapData(0);
  EXPECT_FLOAT_EQ(lobby.nodes[path.nodeIds[1]].position.x, 300);
  EXPECT_FLOAT_EQ(lobby.nodes[path.nodeIds[2]].position.x, 600);
  EXPECT_FLOAT_EQ(path.points[0].pause, 0);
  EXPECT_NE(LogOf("AI Log").find("ten or more"), std::string::npos);
}

TEST_F(GuardSetupTest, ThievesTakeTheOutfitsTheUserDoesNotWear) {
  TestAgent* user = Thief({0, 0, 40});
  user->ai.enabled = 0;
  world.controlled.Set(user);
  world.gear[user->GetId()].outfit = 1;
  ai.GetConfig().MaxThieves = 5;
  roster.CreateThieves(50);
  std::vector<int32_t> outfits;
  for (AIComponent* agent : roster.GetAgents()) {
    if (agent->owner != user) outfits.push_back(world.GearOf(*agent->owner).outfit);
  }
  EXPECT_EQ(outfits, (std::vector<int32_t>{2, 3, 0, 2, 3}));
  ai.GetConfig().MaxThieves = -1;
  roster.CreateThieves(3);
  EXPECT_EQ(roster.GetAgents().size(), 6u);
}

}  // namespace
