#include <gtest/gtest.h>

#include "ai/nav/AIMapData.h"
#include "ai/nav/RouteSearch.h"

// The graph search on hand-made graphs: its cost, its order and its bounds.
namespace {

std::vector<AINode> Graph(const std::vector<platform::Vector3>& positions, const std::vector<std::vector<int32_t>>& links) {
  std::vector<AINode> nodes(positions.size());
  for (size_t i = 0; i < nodes.size(); ++i) {
    nodes[i].id = int32_t(i);
    nodes[i].position = positions[i];
    nodes[i].neighbours = links[i];
  }
  return nodes;
}

TEST(RouteSearchTest, ALinkCostsTheCrossProductOfItsEndsNotTheirDistance) {
  // Node 1 lies far off on the line through the origin and node 0: links along that line cost
  // nothing. Node 2 is close by but off the line.
  const auto nodes = Graph({{100, 0, 0}, {1000, 0, 0}, {150, 10, 0}, {200, 0, 0}}, {{2, 1}, {3}, {3}, {}});
  RouteSearch search;
  std::vector<int32_t> route;
  ASSERT_EQ(search.Search(nodes, 0, 3, route), RouteSearch::Result::Found);
  EXPECT_EQ(route, (std::vector<int32_t>{0, 1, 3}));
}

TEST(RouteSearchTest, EqualCostsAreTakenInTheOrderTheyWereMetAndStampsSurviveManySearches) {
  // Every node on one line through the origin: every link costs 0.
  const std::vector<platform::Vector3> line{{10, 0, 0}, {20, 0, 0}, {30, 0, 0}, {40, 0, 0}};
  RouteSearch search;
  std::vector<int32_t> route;
  ASSERT_EQ(search.Search(Graph(line, {{1, 2}, {3}, {3}, {}}), 0, 3, route), RouteSearch::Result::Found);
  EXPECT_EQ(route, (std::vector<int32_t>{0, 1, 3}));
  const auto swapped = Graph(line, {{2, 1}, {3}, {3}, {}});
  for (int i = 0; i < 1000; ++i) ASSERT_EQ(search.Search(swapped, 0, 3, route), RouteSearch::Result::Found);
  EXPECT_EQ(route, (std::vector<int32_t>{0, 2, 3}));
  EXPECT_EQ(search.Search(swapped, 3, 0, route), RouteSearch::Result::NoRoute);
}

TEST(RouteSearchTest, ASuperNodeStartsItsCostAnew) {
  // Links cost 0.001 x |a x b|: 0 -> 1 costs 10, 1 -> 2 costs 20, 2 -> 3 costs 40.
  auto nodes = Graph({{0, 100, 0}, {100, 0, 0}, {0, 200, 0}, {200, 0, 0}}, {{1}, {2}, {3}, {}});
  RouteSearch search;
  std::vector<int32_t> route;
  ASSERT_EQ(search.Search(nodes, 0, 3, route), RouteSearch::Result::Found);
  EXPECT_FLOAT_EQ(search.Cost(2), 30.0f);
  EXPECT_FLOAT_EQ(search.Cost(3), 70.0f);
  nodes[2].isSuperNode = 1;
  ASSERT_EQ(search.Search(nodes, 0, 3, route), RouteSearch::Result::Found);
  EXPECT_FLOAT_EQ(search.Cost(2), 20.0f);
  EXPECT_FLOAT_EQ(search.Cost(3), 60.0f);
}

TEST(RouteSearchTest, TheOpenSetAndTheRouteLengthAreBounded) {
  // A star of 1002 leaves: the open set passes 1000 entries before the goal is met.
  std::vector<platform::Vector3> positions{{1, 1, 0}};
  std::vector<std::vector<int32_t>> links{{}};
  for (int32_t i = 1; i <= 1002; ++i) {
    positions.push_back({float(i), 2.0f * float(i), 1});
    links[0].push_back(i);
    links.push_back({});
  }
  positions.push_back({5000, 1, 0});
  links.push_back({});
  links[1002].push_back(1003);
  RouteSearch search;
  std::vector<int32_t> route;
  EXPECT_EQ(search.Search(Graph(positions, links), 0, 1003, route), RouteSearch::Result::OpenSetFull);
  // A chain: 1000 ids is one too many, 999 is found.
  auto chain = [](int32_t n) {
    std::vector<platform::Vector3> p;
    std::vector<std::vector<int32_t>> l;
    for (int32_t i = 0; i < n; ++i) {
      p.push_back({float(i), 0, 0});
      l.push_back(i + 1 < n ? std::vector<int32_t>{i + 1} : std::vector<int32_t>{});
    }
    return Graph(p, l);
  };
  EXPECT_EQ(search.Search(chain(1001), 0, 1000, route), RouteSearch::Result::RouteTooLong);
  EXPECT_EQ(search.Search(chain(1000), 0, 999, route), RouteSearch::Result::Found);
  EXPECT_EQ(route.size(), 1000u);
}

// A map's search walks a table made from its graph: every change must reach it before the
// next search, nodes added for a game and dropped again as well as links changed by hand.
TEST(RouteSearchTest, AMapsSearchSeesItsGraphAsItNowStands) {
  AIMapData map("test.bsp", 0);
  for (float x : {10.0f, 20.0f, 30.0f}) map.AppendNode({x, 0, 0});
  map.nodes[0].AddLink(1);
  map.ownNodeCount = 3;
  std::vector<int32_t> route;
  EXPECT_EQ(map.SearchRoute(0, 2, route), RouteSearch::Result::NoRoute);
  map.AppendNode({15, 5, 0});
  map.nodes[0].AddLink(3);
  map.nodes[3].AddLink(2);
  ASSERT_EQ(map.SearchRoute(0, 2, route), RouteSearch::Result::Found);
  EXPECT_EQ(route, (std::vector<int32_t>{0, 3, 2}));
  map.DropGameNodes();
  EXPECT_EQ(map.SearchRoute(0, 2, route), RouteSearch::Result::NoRoute);
  map.nodes[1].AddLink(2);
  map.GraphChanged();
  ASSERT_EQ(map.SearchRoute(0, 2, route), RouteSearch::Result::Found);
  EXPECT_EQ(route, (std::vector<int32_t>{0, 1, 2}));
}

}  // namespace
