#include <gtest/gtest.h>

#include <cmath>

#include "ai/nav/AIMapData.h"
#include "ai/nav/NodeGraphBuilder.h"
#include "ai/nav/RoutePlanner.h"

// The core in a world of its own making, without the engine or physics: what the world answers
// decides where nodes stand, what they link to and which routes shorten; planning hands back
// what came of it.
namespace {

// Walls across the x axis at -500, 50 and 500 over a floor at z = 0: every ray with some x in it
// meets one, as in a closed map.
class Walls : public NavWorld {
 public:
  std::optional<float> RayHitDistance(const platform::Vector3& o, const platform::Vector3& direction) const override {
    const platform::Vector3 d = platform::Vec3Normalize(direction);
    std::optional<float> first;
    for (float wall : {-500.0f, 50.0f, 500.0f}) {
      const float t = d.x != 0.0f ? (wall - o.x) / d.x : -1.0f;
      if (t > 0.0f && (!first || t < *first)) first = t;
    }
    return first;
  }
  std::optional<platform::Vector3> FloorBelow(const platform::Vector3& p) const override {
    return platform::Vector3{p.x, p.y, 0.0f};
  }
  bool BoxOverlapsLevel(const platform::Vector3& centre, const platform::Vector3& half) const override {
    return std::fabs(centre.x - 50.0f) < half.x;
  }
};

TEST(NavCoreTest, NodesStandOnTheWorldsFloorAndOnlyWhereAGuardFits) {
  Walls walls;
  AIMapData map("walls.bsp", 0, nullptr, walls);
  EXPECT_EQ(map.AddNode({10, 0, 500}).position, (platform::Vector3{10, 0, NODE_HEIGHT}));
  AIMapData empty("empty.bsp", 0);
  EXPECT_EQ(empty.AddNode({10, 0, 500}).position, (platform::Vector3{10, 0, 500 + NODE_HEIGHT})) << "no floor below";

  NodeGraphBuilder builder(map);
  const platform::Vector3 guard{32, 32, 85};
  EXPECT_EQ(builder.AddGridNode({0, 200, NODE_HEIGHT}, guard), nullptr) << "the guard's box, 20 east, meets the wall";
  EXPECT_NE(builder.AddGridNode({-200, 200, NODE_HEIGHT}, guard), nullptr);
}

TEST(NavCoreTest, NodesLinkAndRoutesShortenOnlyWhereTheWorldLetsThemSee) {
  Walls walls;
  AIMapData map("walls.bsp", 0, nullptr, walls);
  for (float x : {-200.0f, -100.0f, 0.0f, 100.0f}) map.AppendNode({x, 0, NODE_HEIGHT});
  map.LinkNode(1, 10, false);
  EXPECT_EQ(map.nodes[1].neighbours, (std::vector<int32_t>{0, 2})) << "node 3 stands beyond the wall";

  AIRoute route;
  route.nodeIds = {0, 1, 2};
  route.Pull(1, map);
  EXPECT_EQ(route.nodeIds, (std::vector<int32_t>{0, 2}));
  route.nodeIds = {1, 2, 3};
  route.Pull(1, map);
  EXPECT_EQ(route.nodeIds, (std::vector<int32_t>{1, 2, 3})) << "3 is out of 1's sight";

  AIMapData empty("empty.bsp", 0);
  empty.AppendNode({0, 0, 0});
  empty.AppendNode({10, 0, 0});
  empty.LinkNode(0, 10, false);
  EXPECT_TRUE(empty.nodes[0].neighbours.empty()) << "in an empty world a node sees nothing beyond its neighbour";
}

TEST(NavCoreTest, PlanningHandsBackTheRouteOrWhyThereIsNone) {
  AIMapData map("line.bsp", 0);
  for (float x : {0.0f, 100.0f, 200.0f, 300.0f}) map.AppendNode({x, 0, 0});
  for (int32_t i = 0; i < 3; ++i) map.nodes[size_t(i)].AddLink(i + 1);
  map.MakeLinksSymmetric();
  auto plan = [&map](const platform::Vector3& from, const platform::Vector3& to, AIMapData* in) {
    RouteQuery q;
    q.start = from;
    q.goal = to;
    RouteSettings settings;
    settings.save = true;
    PlanRoute(q, in, settings, {});
    return q;
  };

  RouteQuery found = plan({10, 0, 0}, {290, 0, 0}, &map);
  ASSERT_NE(found.planned, nullptr);
  EXPECT_EQ(found.planned->nodeIds, (std::vector<int32_t>{0, 1, 2, 3}));
  EXPECT_FLOAT_EQ(found.planned->length, 300.0f);
  EXPECT_FALSE(found.done);
  EXPECT_EQ(map.paths.database.size(), 1u) << "four ids are worth storing";

  RouteQuery unloaded = plan({10, 0, 0}, {290, 0, 0}, nullptr);
  ASSERT_NE(unloaded.planned, nullptr);
  EXPECT_TRUE(unloaded.planned->nodeIds.empty());
  EXPECT_TRUE(unloaded.done);
  EXPECT_TRUE(plan({10, 0, 0}, {20, 0, 0}, &map).done) << "start and goal at one node";

  map.nodes[1].neighbours.clear();
  map.nodes[2].neighbours = {3};
  map.GraphChanged();
  RouteQuery cut = plan({10, 0, 0}, {290, 0, 0}, &map);
  EXPECT_EQ(cut.planned, nullptr);
  EXPECT_FALSE(cut.done);
  EXPECT_TRUE(cut.failed);
  EXPECT_EQ(cut.failures, 1);
}

}  // namespace
