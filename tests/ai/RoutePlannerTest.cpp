#include <gtest/gtest.h>

#include "ai/UsableTeleporters.h"
#include "ai/nav/RoutePlanner.h"
#include "tests/ai/NavTestSupport.h"

// Planning in the demo museum's graphs: searched routes, stored and reused routes, teleporter
// legs.
namespace {

class RoutePlannerTest : public NavTest {
 protected:
  void SetUp() override { StartGame(); }

  // Plans in the lobby from one point to another.
  AIRouteRequest& Plan(const platform::Vector3& from, const platform::Vector3& to) {
    RouteQuery q;
    q.start = from;
    q.goal = to;
    request.Plan(q, {});
    return request;
  }

  AIRouteRequest request;
};

// The lobby's entrance hall and its Egyptian room, in the world frame (y negated).
const platform::Vector3 kHall{128, -96, 40};
const platform::Vector3 kEgypt{576, -1280, 40};

TEST_F(RoutePlannerTest, ARouteRunsFromTheNodeNearestTheStartToTheNodeNearestTheGoal) {
  Ai()->GetConfig().PullPaths = false;
  Ai()->GetConfig().SavePaths = false;
  const AIRoute* route = Plan(kHall, kEgypt).GetRoute();
  ASSERT_NE(route, nullptr);
  const AIMapData& lobby = Map(0);
  ASSERT_GE(route->nodeIds.size(), 4u);
  EXPECT_EQ(route->nodeIds.front(), Ai()->FindNearestNodeInMap(kHall, 0)->id);
  EXPECT_EQ(route->nodeIds.back(), Ai()->FindNearestNodeInMap(kEgypt, 0)->id);
  for (size_t i = 0; i + 1 < route->nodeIds.size(); ++i) {
    EXPECT_TRUE(lobby.nodes[size_t(route->nodeIds[i])].Links(route->nodeIds[i + 1]));
  }
  EXPECT_EQ(route->name, "lobby.bsp");
  EXPECT_GT(route->length, 1000.0f) << "the walking length";
  EXPECT_FALSE(request.done);
  // Pulled, the route keeps its ends and loses nodes in clear sight.
  Ai()->GetConfig().PullPaths = true;
  const size_t whole = route->nodeIds.size();
  const AIRoute* pulled = Plan(kHall, kEgypt).GetRoute();
  ASSERT_NE(pulled, nullptr);
  EXPECT_LT(pulled->nodeIds.size(), whole);
  EXPECT_EQ(pulled->nodeIds.front(), Ai()->FindNearestNodeInMap(kHall, 0)->id);
}

TEST_F(RoutePlannerTest, EndsNearTheSameNodeGiveNoRouteAndTheDoneFlag) {
  Plan(kHall, kHall + platform::Vector3{1, 1, 0});
  EXPECT_TRUE(request.done);
  EXPECT_TRUE(request.GetRoute() == nullptr || request.GetRoute()->nodeIds.empty());
}

TEST_F(RoutePlannerTest, FoundRoutesAreStoredAndAStoredRouteServesWithin128Units) {
  AIConfig& config = Ai()->GetConfig();
  config.SavePaths = true;
  config.UseDataBase = false;
  config.PullPaths = false;
  AIMapData& lobby = *Ai()->GetMapData(0);
  lobby.paths.database.clear();
  Plan(kHall, kEgypt);
  ASSERT_EQ(lobby.paths.database.size(), 1u);
  EXPECT_EQ(lobby.paths.database[0].nodeIds, request.GetRoute()->nodeIds);
  // A stored route whose first node lies 127 units from the start's node serves; at 128 not.
  const int32_t start = Ai()->FindNearestNodeInMap(kHall, 0)->id;
  const int32_t goal = Ai()->FindNearestNodeInMap(kEgypt, 0)->id;
  config.UseDataBase = true;
  config.SavePaths = false;
  for (const float offset : {127.0f, 128.0f}) {
    const size_t ownCount = lobby.ownNodeCount;
    const int32_t near = lobby.AppendNode(lobby.nodes[size_t(start)].position + platform::Vector3{0, 0, offset}).id;
    lobby.paths.database.clear();
    AIRoute stored;
    stored.nodeIds = {near, goal};
    stored.mapIndex = 0;
    lobby.paths.AddPath(stored);
    const AIRoute* route = Plan(kHall, kEgypt).GetRoute();
    ASSERT_NE(route, nullptr);
    if (offset < 128.0f) {
      EXPECT_EQ(route->nodeIds, stored.nodeIds);
      EXPECT_EQ(lobby.paths.database[0].useCount, 1);
    } else {
      EXPECT_EQ(route->nodeIds.front(), start);
      EXPECT_EQ(lobby.paths.database[0].useCount, 0);
    }
    lobby.DropGameNodes();
    EXPECT_EQ(lobby.ownNodeCount, ownCount);
  }
  // A stored route naming a node the graph lacks is never used.
  lobby.paths.database.clear();
  AIRoute bad;
  bad.nodeIds = {start, int32_t(lobby.nodes.size()), goal};
  lobby.paths.AddPath(bad);
  EXPECT_EQ(Plan(kHall, kEgypt).GetRoute()->nodeIds.front(), start);
  EXPECT_EQ(lobby.paths.database[0].useCount, 0);
}

TEST_F(RoutePlannerTest, AGoalInAnotherMapIsReachedThroughATeleporterOfTheStartsMap) {
  Entity* a = MakeAgent(kHall);
  Entity* b = MakeAgent(kHall);
  auto at = [](Entity* t, platform::Vector3 p, int32_t map, int32_t target) {
    return TeleporterEnds{t, p, map, {}, target};
  };
  RouteQuery q;
  q.start = {0, 0, 0};
  q.goalMapIndex = 2;
  // Into map 1 at 90 and 150 units: the one within 100 is the one just come through.
  ChooseTeleporterLeg(q, {at(a, {90, 0, 0}, 0, 1), at(b, {150, 0, 0}, 0, 1)});
  EXPECT_EQ(q.goal, (platform::Vector3{150, 0, 0}));
  EXPECT_EQ(q.teleporter, b);
  EXPECT_TRUE(q.viaTeleporter);
  // One into the goal's map is taken at once, unless 300 above the start or in another map.
  for (const auto& [ends, taken] : std::vector<std::pair<TeleporterEnds, bool>>{
           {at(a, {500, 0, 0}, 0, 2), true}, {at(a, {500, 0, 300}, 0, 2), false}, {at(a, {500, 0, 0}, 1, 2), false}}) {
    RouteQuery r;
    r.goalMapIndex = 2;
    r.goal = {7, 7, 7};
    ChooseTeleporterLeg(r, {ends});
    EXPECT_EQ(r.goal == ends.position, taken);
    EXPECT_EQ(r.goalMapIndex, taken ? 0 : 2);
  }
}

TEST_F(RoutePlannerTest, FromTheLobbyTheVaultIsReachedThroughTheLobbysTeleporter) {
  const std::vector<TeleporterEnds> teleporters = UsableTeleporters(*Ai()->GetRoster().GetWorld());
  ASSERT_GE(teleporters.size(), 4u) << "two pairs join the three maps";
  RouteQuery q;
  q.start = kHall;
  q.goal = {0, 0, 0};
  q.goalMapIndex = 2;
  request.Plan(q);
  ASSERT_NE(request.GetRoute(), nullptr);
  ASSERT_TRUE(request.viaTeleporter);
  const Entity* door = request.teleporter.Get();
  ASSERT_NE(door, nullptr);
  const auto used = std::find_if(teleporters.begin(), teleporters.end(), [door](const TeleporterEnds& t) { return t.teleporter == door; });
  ASSERT_NE(used, teleporters.end());
  EXPECT_EQ(used->mapIndex, 0);
  EXPECT_EQ(used->targetMapIndex, 1) << "the lobby leads to the gallery, which leads on";
  EXPECT_EQ(request.GetRoute()->nodeIds.back(), Ai()->FindNearestNodeInMap(used->position, 0)->id);
  EXPECT_TRUE(Map(0).nodes[size_t(request.GetRoute()->nodeIds.back())].teleporter);
}

}  // namespace
