#include <gtest/gtest.h>

#include "ai/agents/ThiefBrain.h"
#include "tests/ai/AgentTestSupport.h"

namespace {

class ThiefBrainTest : public AgentTest {
 protected:
  ThiefBrainTest() {
    user = Thief({5000, 5000, 40}, 1);
    user->ai.enabled = 0;
    world.controlled.Set(user);
    thief = Thief({0, 0, 40});
  }
  // The first set the thief's think step asks for, or "".
  std::string Request() {
    thief->ai.pendingSets.clear();
    thief->ai.brain->Think(kFrame, *thief->ai.route);
    return thief->ai.pendingSets.empty() ? "" : thief->ai.pendingSets.front().name;
  }

  TestAgent* user;
  TestAgent* thief;
};

TEST_F(ThiefBrainTest, AGuardInSightIsHiddenFromFoughtOrAvoidedByDistance) {
  TestAgent* guard = Guard({200, 0, 40});
  guard->ai.enabled = 0;
  ai.GetConfig().THIEF_VISION_RANGE = 3000.0f * 3000.0f;
  EXPECT_EQ(Request(), "use box");
  world.gear[thief->GetId()].boxes = 0;
  EXPECT_EQ(Request(), "disable");
  guard->physical.SetPosition({1000, 0, 40});
  world.gear[thief->GetId()].boxes = 1;
  EXPECT_EQ(Request(), "disable");
  EXPECT_EQ(thief->ai.pendingSets.front().actions.front().target.Get(), guard);
  guard->physical.SetPosition({1500, 0, 40});
  EXPECT_EQ(Request(), "avoid");
  ai.GetConfig().AvoidGuards = false;
  EXPECT_EQ(Request(), "");
}

TEST_F(ThiefBrainTest, ACarriedItemGoesToTheLobbysDropOff) {
  Place("ItemDropoff", {100, 0, 40}, 1);
  TestPlace* lobby = Place("ItemDropoff", {900, 0, 40}, 0);
  world.gear[thief->GetId()].carrying = true;
  ASSERT_EQ(Request(), "drop off");
  EXPECT_EQ(thief->ai.pendingSets.front().actions.front().target.Get(), lobby);
}

TEST_F(ThiefBrainTest, ErrandsDependOnTheBatteryAndTheUsersMap) {
  TestPlace* laser = Place("TripLaser", {300, 0, 40});
  world.gear[thief->GetId()].battery = 9;
  EXPECT_EQ(Request(), "") << "too little battery for a laser";
  world.gear[thief->GetId()].battery = 10;
  thief->ai.targets.tripLaser = EntityHandle();
  EXPECT_EQ(Request(), "") << "the user's thief is in another map";
  user->mapIndex.mapIndex = 0;
  user->physical.SetPosition({0, 5000, 40});
  thief->ai.targets.tripLaser = EntityHandle();
  EXPECT_EQ(Request(), "disable");
  EXPECT_EQ(thief->ai.pendingSets.front().actions.front().target.Get(), laser);
  world.disabledLasers.insert(laser->GetId());
  Place("Battery", {200, 0, 40});
  world.gear[thief->GetId()].battery = 31;
  EXPECT_EQ(Request(), "");
  world.gear[thief->GetId()].battery = 30;
  EXPECT_EQ(Request(), "battery");
}

TEST_F(ThiefBrainTest, TheSearchListTakesEveryThirdCoverSpotAndTheSpawnsThievesMayUse) {
  std::vector<TestPlace*> spots;
  for (int i = 0; i < 7; ++i) {
    spots.push_back(Place("CoverSpot", {100.0f * i, 0, 40}));
    ai.AddCoverSpot(*spots.back());
  }
  TestPlace* spawn = Place("ItemSpawn", {0, 900, 40});
  world.playerOnly.insert(Place("ItemSpawn", {0, 800, 40})->GetId());
  thief->ai.brain->Reset();
  std::vector<uint32_t> listed;
  for (const EntityHandle& place : thief->ai.brain->searchList) listed.push_back(place.Id());
  EXPECT_EQ(listed, (std::vector<uint32_t>{spots[0]->GetId(), spots[3]->GetId(), spots[6]->GetId(), spawn->GetId()}));
  // Nearest first, taken off the list; an exhausted list refills and gives nothing that time.
  EXPECT_EQ(thief->ai.brain->NextTarget(500), spots[0]);
  EXPECT_EQ(thief->ai.brain->NextTarget(500), spots[3]);
  EXPECT_EQ(thief->ai.brain->NextTarget(500), spots[6]);
  EXPECT_EQ(thief->ai.brain->NextTarget(500), spawn);
  EXPECT_EQ(thief->ai.brain->NextTarget(500), nullptr);
  EXPECT_EQ(thief->ai.brain->searchList.size(), 4u);
}

TEST_F(ThiefBrainTest, OutsideTheLobbyOnlyPlacesOfTheThiefsMapAreSearched) {
  TestPlace* here = Place("CoverSpot", {900, 0, 40}, 2);
  ai.AddCoverSpot(*Place("CoverSpot", {10, 0, 40}, 1));
  ai.AddCoverSpot(*here);
  thief->ai.brain->Reset();
  thief->mapIndex.mapIndex = 2;
  EXPECT_EQ(thief->ai.brain->NextTarget(500), nullptr) << "every third spot: the first only";
  thief->ai.brain->searchList.emplace_back(here);
  EXPECT_EQ(thief->ai.brain->NextTarget(500), here);
}

}  // namespace
