#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <regex>

#include "ai/AI.h"
#include "ai/nav/AIMapData.h"
#include "ai/AIRouteRequest.h"
#include "ai/agents/AgentRoute.h"
#include "entities/ItemDropoff.h"
#include "entities/ItemRecord.h"
#include "entities/Item.h"
#include "entities/ItemSpawn.h"
#include "entities/Teleporter.h"
#include "entities/TripLaser.h"
#include "physics/MapIndexComp.h"
#include "logic/Logic.h"
#include "physics/Physics.h"
#include "tests/ai/MuseumRoundSupport.h"

// Rounds of the demo museum as the demo tree ships it, from seed 777 in frames of 1/30 s.
namespace {

float DistanceToNearest(const std::vector<Entity*>& entities, const platform::Vector3& at) {
  float nearest = std::numeric_limits<float>::max();
  for (Entity* entity : entities) {
    if (auto* physical = entity->Find<PhysicalComp>()) nearest = std::min(nearest, platform::Vec3Length(physical->GetPosition() - at));
  }
  return nearest;
}

// What a round came to, to compare two runs.
struct Outcome {
  std::vector<float> walked;
  std::vector<std::string> deeds;
  std::vector<double> busts;
  bool operator==(const Outcome&) const = default;
};

class MuseumRound : public MuseumRoundTest {
 protected:
  // The first deed of that kind that `keep` accepts; null without one.
  template <class Keep>
  const Deed* FindDeed(const std::string& what, Keep keep) const {
    for (const Deed& deed : Deeds()) {
      if (deed.what == what && keep(deed)) return &deed;
    }
    return nullptr;
  }

  // A follower of the test's own on a thief's body.
  static std::unique_ptr<AIRouteRequest> Follower(Player& thief) {
    auto request = std::make_unique<AIRouteRequest>();
    request->Bind(&thief, &thief.physical, &thief.playerPhysics, nullptr);
    return request;
  }
  static const AINode* NearestNode(const platform::Vector3& at, int32_t map) {
    return Engine::Get()->GetAI()->FindNearestNodeInMap(at, map);
  }

  Outcome Take() {
    Outcome outcome;
    for (Player* thief : ComputerThieves()) outcome.walked.push_back(Track(*thief).walked);
    for (const Deed& deed : Deeds()) outcome.deeds.push_back(deed.what + " " + std::to_string(deed.map) + " at " + std::to_string(deed.time));
    outcome.busts = UserBusts();
    return outcome;
  }
};

// Settings and lists whose numbers no round can use, and camera paths damaged: each is said, and
// the round still starts, flies in and plays.
TEST_F(MuseumRound, ARoundPlaysWithNumbersBelowZeroAndDamagedCameraPaths) {
  const std::regex number(R"(<(int|float)( name="[^"]*")>[^<]*</)");
  TempDir::Write("Data/AIConfig.xml", std::regex_replace(TempDir::Read("Data/AIConfig.xml"), number, "<$1$2>-1</"));
  const std::regex worth(R"(<int name="Worth">[^<]*</)");
  TempDir::Write("Data/MuseumItems.xml",
                 std::regex_replace(TempDir::Read("Data/MuseumItems.xml"), worth, "<int name=\"Worth\">-1</"));
  std::string paths = TempDir::Read(std::string(VR_DATA_DIR) + "/Data/InterpNodes.xml");
  const size_t lobby = paths.find("<list>", paths.find("Maps/lobby.bsp"));
  paths.replace(lobby, paths.find("</pair>", lobby) - lobby, "<list></list>");
  const size_t gallery = paths.find("<float name=\"x\">", paths.find("Maps/gallery.bsp"));
  paths.replace(gallery, paths.find("</float>", gallery) - gallery, "<float name=\"x\">1e20");
  TempDir::Write("Data/InterpNodes.xml", paths);

  StartGameSystems();
  GetLogic()->StartGame();
  ASSERT_TRUE(GetLogic()->IsInGame());
  ASSERT_TRUE(PlayUntil(30.0, [] { return !Engine::Get()->GetLogic()->IsFlyThroughRunning(); }));
  const float timeLeft = GetLogic()->GetRoundTimeLeft();
  Play(3.0);
  EXPECT_TRUE(GetLogic()->IsInGame());
  EXPECT_LT(GetLogic()->GetRoundTimeLeft(), timeLeft) << "the round goes on";
  ASSERT_NE(User(), nullptr);
  EXPECT_TRUE(ComputerThieves().empty()) << "no thieves and no guards: the counts keep zero";
  EXPECT_TRUE(Guards().empty());
  for (Entity* item : EntitiesIn(Item::kClassName, -1)) EXPECT_EQ(static_cast<Item*>(item)->record->worth, 0);
  EXPECT_NE(LogOf(kAILog).find("Data/AIConfig.xml: MaxThieves -1 is below 0: kept 0"), std::string::npos);
  EXPECT_NE(LogOf("LogicLog").find("Data/MuseumItems.xml: loadedItems[0].Worth -1 is below 0: kept 0"),
            std::string::npos);
  const std::string physics = LogOf("PhysicsLog");
  EXPECT_NE(physics.find("Data/InterpNodes.xml: path \"Maps/lobby.bsp\" has no nodes"), std::string::npos) << physics;
  EXPECT_NE(physics.find("Data/InterpNodes.xml: path \"Maps/gallery.bsp\" node 0 at 1e+20"), std::string::npos);
  const std::regex pathLine("(^|\n)Data/InterpNodes.xml: ");
  EXPECT_EQ(std::distance(std::sregex_iterator(physics.begin(), physics.end(), pathLine), std::sregex_iterator()), 2)
      << "the game start restarts the physics, which reads the file again, but a fault is said once: " << physics;
}

TEST_F(MuseumRound, AComputerThiefStealsAndScoresAtTheLobbysDropOffWithinAMinute) {
  StartRound();
  ASSERT_EQ(ComputerThieves().size(), 3u) << "four starts make three computer thieves";
  ASSERT_EQ(Guards().size(), 6u);
  auto atDropoff = [](const Deed& deed) {
    // Delivered by walking up to it, not scored from afar and sent home.
    return deed.map == 0 && DistanceToNearest(EntitiesIn(ItemDropoff::kClassName, 0), deed.at) < 100.0f;
  };
  ASSERT_TRUE(PlayUntil(60.0, [&] { return FindDeed("deliver", atDropoff) != nullptr; }));
  const Deed& delivery = *FindDeed("deliver", atDropoff);
  EXPECT_NE(FindDeed("take", [&](const Deed& d) { return d.thief == delivery.thief && d.time < delivery.time; }), nullptr);
  for (Player* thief : ComputerThieves()) {
    if (thief->GetId() != delivery.thief) continue;
    EXPECT_GT(thief->info.money, 0.0f) << "the exhibit's worth";
  }
}

// With the lobby's exhibits gone, the thieves' search leads them through the lobby's door to the
// maps beyond, where one steals.
TEST_F(MuseumRound, AComputerThiefCrossesIntoAnotherMapThroughATeleporterToSteal) {
  StartRound();
  for (Entity* item : EntitiesIn(Item::kClassName, 0)) {
    if (auto* spawn = dynamic_cast<ItemSpawn*>(static_cast<Item*>(item)->record->placement.Get())) spawn->occupied = 0;
    Engine::Get()->GetEntityManager()->QueueDelete(item);
  }
  auto elsewhere = [](const Deed& deed) { return deed.map != 0; };
  ASSERT_TRUE(PlayUntil(180.0, [&] { return FindDeed("take", elsewhere) != nullptr; }));
  const Deed& theft = *FindDeed("take", elsewhere);
  // Its last way into that map before the theft came out of the door there.
  const Deed* arrival = nullptr;
  for (const Deed& deed : Deeds()) {
    if (deed.what == "cross" && deed.thief == theft.thief && deed.map == theft.map && deed.time <= theft.time) arrival = &deed;
  }
  ASSERT_NE(arrival, nullptr);
  EXPECT_LT(DistanceToNearest(EntitiesIn(Teleporter::kClassName, theft.map), arrival->at), 150.0f);
}

// Caught, a computer thief goes back to its home start with nothing queued, and no agent keeps
// an action aimed at it; nor at the user's thief once it is caught.
TEST_F(MuseumRound, NoAgentGoesOnAfterACaughtThief) {
  StartRound();
  Play(5.0);
  Player* thief = ComputerThieves().front();
  Guard* guard = Guards().front();
  for (Player* caught : {thief, User()}) {
    SCOPED_TRACE(caught == thief ? "computer thief" : "user");
    guard->ai.ClearActions();
    guard->ai.SetActionSet("spot thief", 0.0f, caught);
    guard->ai.ProcessPendingSets();
    ASSERT_EQ(guard->ai.GetCurrentAction().target.Get(), caught);
    caught->DoBust();
    EXPECT_NE(guard->ai.GetCurrentAction().target.Get(), caught) << Describe(guard->ai);
  }
  EXPECT_EQ(thief->ai.GetPosition(), thief->ai.homePosition);
  EXPECT_TRUE(thief->ai.current.Empty());
}

// The user's thief caught and sent back to a start is not caught there again at once: a guard
// near the starts goes home, as when the thief arrives through a teleporter.
TEST_F(MuseumRound, AGuardNearTheStartsGoesHomeWhenTheUserIsCaught) {
  StartRound();
  Guard* guard = Guards().front();
  const platform::Vector3 cloakroom{-64, -2016, 45};
  guard->physical.SetPositionCached(cloakroom);
  Play(kFrame);
  ASSERT_LT(platform::Vec3Length(guard->ai.GetPosition() - cloakroom), 5.0f);
  User()->DoBust();
  EXPECT_EQ(guard->ai.GetPosition(), guard->ai.homePosition);
}

// A computer thief in the user's map that has battery left switches off a trip laser near it
// (with no guard about, whom it would go for first).
TEST_F(MuseumRound, AComputerThiefSwitchesOffALaserNearItInTheUsersMap) {
  StartRound();
  for (Guard* guard : Guards()) Engine::Get()->GetEntityManager()->QueueDelete(guard);
  TripLaser* laser = nullptr;
  for (Entity* entity : EntitiesIn(TripLaser::kClassName, 0)) {
    if (entity->Find<PhysicalComp>()->GetPosition().y < -700) laser = static_cast<TripLaser*>(entity);
  }
  ASSERT_NE(laser, nullptr) << "the north corridor's laser";
  Player* thief = ComputerThieves().front();
  thief->physical.SetPositionCached(laser->physical.GetPosition() + platform::Vector3{48, 150, 0});
  EXPECT_TRUE(PlayUntil(10.0, [&] { return laser->enabled == 0; })) << Describe(thief->ai);
  EXPECT_EQ(thief->ai.GetCurrentAction().target.Get(), laser);
}

// A route planned in the frame an agent is sent home (before the physics has moved it) starts
// at home, not where the agent was.
TEST_F(MuseumRound, ARouteAskedForAtOnceAfterGoingHomeStartsAtHome) {
  StartRound();
  Play(8.0);
  Player* thief = ComputerThieves().front();
  ASSERT_GT(platform::Vec3Length(thief->physical.GetPosition() - thief->ai.homePosition), 300.0f) << "it walked off";
  thief->ai.Respawn();
  auto follower = Follower(*thief);
  follower->PlanToPoint(384, -1280, 40);
  ASSERT_NE(follower->GetRoute(), nullptr);
  ASSERT_FALSE(follower->GetRoute()->nodeIds.empty());
  EXPECT_EQ(follower->GetRoute()->nodeIds.front(), NearestNode(thief->ai.homePosition, 0)->id);
}

// A patrol marker's node is reached by routes from anywhere: a thief standing on it finds its way.
TEST_F(MuseumRound, AThiefStandingOnAPatrolMarkerFindsAWay) {
  StartRound();
  Player* thief = ComputerThieves().front();
  const platform::Vector3 marker{200, -256, 40};
  thief->physical.SetPositionCached(marker);
  AIMapData& lobby = *Engine::Get()->GetAI()->GetMapData(0);
  ASSERT_GE(size_t(NearestNode(marker, 0)->id), lobby.ownNodeCount) << "the nearest node is the guard set-up's";
  auto follower = Follower(*thief);
  follower->PlanToPoint(384, -1280, 40);
  ASSERT_NE(follower->GetRoute(), nullptr);
  EXPECT_GT(follower->GetRoute()->nodeIds.size(), 2u);
}

// A thief's route to an exhibit in another map ends at a teleporter of its own map, which it is
// to go through; a reset forgets that.
TEST_F(MuseumRound, ARouteIntoAnotherMapTakesTheThiefThroughTheTeleporterAtItsEnd) {
  StartRound();
  Player* thief = ComputerThieves().front();
  const std::vector<Entity*> galleryItems = EntitiesIn(Item::kClassName, 1);
  ASSERT_FALSE(galleryItems.empty());
  AgentRoute& route = *thief->ai.route;
  route.PlanTo(*galleryItems.front());
  EXPECT_TRUE(route.HasRoute());
  EXPECT_EQ(route.teleportOnArrival, 1);
  route.Reset();
  EXPECT_EQ(route.teleportOnArrival, 0);
  route.PlanToPoint({384, -1280, 40});
  EXPECT_EQ(route.teleportOnArrival, 0) << "a route within the map";
}

// The cloakroom's starts lie out of sight of every other room of the lobby, so that a guard
// that followed a thief there does not catch the user waiting at a start.
TEST_F(MuseumRound, TheStartsLieOutOfSightOfTheLobbysRooms) {
  StartRound();
  Physics* physics = Engine::Get()->GetPhysics();
  const std::vector<Entity*> starts = EntitiesIn("PlayerStart", 0);
  ASSERT_EQ(starts.size(), 4u);
  // The hall, the east corridor, the shop, the north corridor and the Egyptian room, as the map
  // plans them (the world's y is the plan's negated).
  struct Room {
    float minX, minY, maxX, maxY;
  };
  const Room rooms[] = {{0, 0, 768, 512}, {768, 192, 1280, 320}, {1280, 0, 1792, 512}, {320, 512, 448, 1024}, {0, 1024, 768, 1536}};
  for (Entity* start : starts) {
    const platform::Vector3 to = start->Find<PhysicalComp>()->GetPosition() + platform::Vector3{0, 0, 20};
    for (const Room& room : rooms) {
      for (float x = room.minX + 16; x < room.maxX; x += 32) {
        for (float y = room.minY + 16; y < room.maxY; y += 32) {
          const platform::Vector3 eye{x, -y, 60};
          const platform::Vector3 way = to - eye;
          RayHit hit;
          const bool blocked = physics->RayCast(eye.x, eye.y, eye.z, way.x, way.y, way.z, &hit) &&
                               hit.distance < platform::Vec3Length(way) - 20.0f;
          EXPECT_TRUE(blocked) << "the start at (" << to.x << ", " << to.y << ") is seen from (" << eye.x << ", " << eye.y << ")";
        }
      }
    }
  }
}

// A test walker on a computer thief's body, moved by the character controller along the
// planner's routes, from the lobby's entrance hall to the vault's jewel room: twice a route ends
// at a teleporter and the walker goes through.
TEST_F(MuseumRound, AWalkerGoesFromTheEntranceHallToTheJewelRoomThroughBothTeleporters) {
  StartRound();
  // Only the walker moves, and nothing stands in its way.
  Engine::Get()->GetAI()->GetConfig().EnableAI = false;
  for (Guard* guard : Guards()) Engine::Get()->GetEntityManager()->QueueDelete(guard);
  Player* walker = ComputerThieves().front();
  walker->ai.enabled = 0;
  walker->physical.SetPositionCached({128, -96, 40});
  Play(kFrame);
  Entity* goal = nullptr;
  for (Entity* spawn : EntitiesIn(ItemSpawn::kClassName, 2)) {
    if (spawn->Find<PhysicalComp>()->GetPosition().y < -1024) goal = spawn;
  }
  ASSERT_NE(goal, nullptr) << "a spawn of the jewel room";
  const platform::Vector3 target = goal->Find<PhysicalComp>()->GetPosition();
  auto follower = Follower(*walker);
  follower->PlanTo(goal);
  std::vector<int32_t> maps{0};
  for (double t = 0; t < 90.0 && platform::Vec3Length(walker->physical.GetPosition() - target) > 60.0f; t += kFrame) {
    if (follower->done || !follower->GetRoute()) {
      auto* door = dynamic_cast<Teleporter*>(follower->teleporter.Get());
      if (follower->viaTeleporter && door) {
        door->Teleport(walker);
        maps.push_back(walker->ai.GetMapIndex());
        Play(kFrame);
      }
      follower->PlanTo(goal);
    }
    walker->playerPhysics.move = {};
    follower->Step(float(kFrame), walker->ai.GetMapIndex());
    Play(kFrame);
  }
  EXPECT_EQ(maps, (std::vector<int32_t>{0, 1, 2}));
  EXPECT_LT(platform::Vec3Length(walker->physical.GetPosition() - target), 60.0f)
      << "at (" << walker->physical.GetPosition().x << ", " << walker->physical.GetPosition().y << ")";
}

// Five minutes of a round with the user's thief standing still at its start: the computer
// thieves go about the whole museum and score, nobody stands stuck, and the user is caught at
// most once a minute. A second run from a fresh start plays the same round.
TEST_F(MuseumRound, FiveMinutesWithTheShippedSettingsTwiceAlike) {
  Outcome first;
  for (int run = 0; run < 2; ++run) {
    SCOPED_TRACE(run);
    StartRound();
    Play(300.0);
    int32_t delivered = 0;
    for (Player* thief : ComputerThieves()) {
      EXPECT_GT(Track(*thief).walked, 2000.0f) << Describe(thief->ai);
      delivered += int32_t(thief->info.deliveredItems.size());
    }
    EXPECT_GE(delivered, 2);
    std::vector<AIComponent*> agents;
    for (Player* thief : ComputerThieves()) agents.push_back(&thief->ai);
    for (Guard* guard : Guards()) agents.push_back(&guard->ai);
    for (AIComponent* agent : agents) {
      const AgentTrack& track = Track(*agent->owner);
      EXPECT_LE(track.longestStand, 5.0) << Describe(*agent) << " stood at (" << track.longestStandAt.x << ", "
                                         << track.longestStandAt.y << ")";
    }
    const std::vector<double>& busts = UserBusts();
    for (size_t i = 1; i < busts.size(); ++i) EXPECT_GT(busts[i] - busts[i - 1], 60.0) << "busted at " << busts[i];
    if (run == 0) first = Take();
  }
  const Outcome second = Take();
  EXPECT_TRUE(second == first);
}

}  // namespace
