#include <gtest/gtest.h>

#include "ai/nav/FloorTriangle.h"
#include "ai/nav/NodeGraphFile.h"
#include "tests/ai/NavTestSupport.h"
#include "tests/support/TempDir.h"

// Graphs built from the demo museum's floors, read back from their files, and the building
// rules on their own.
namespace {

using NodeGraphBuildTest = NavTest;

// The middle of the lobby's entrance hall (the world frame negates the map file's y).
const platform::Vector3 kHall{384.0f, -256.0f, 48.0f};

// The links among the map's own nodes (those of its file).
std::vector<std::vector<int32_t>> Links(const AIMapData& map) {
  std::vector<std::vector<int32_t>> links;
  for (size_t i = 0; i < map.ownNodeCount; ++i) {
    links.emplace_back();
    for (int32_t id : map.nodes[i].neighbours) {
      if (size_t(id) < map.ownNodeCount) links.back().push_back(id);
    }
  }
  return links;
}

TEST_F(NodeGraphBuildTest, EachMapsGraphIsBuiltOnceWrittenAndReadTheSameOnTheNextRun) {
  StartGame();
  ASSERT_EQ(Ai()->GetMapCount(), 3u);
  std::vector<std::string> files;
  std::vector<std::vector<std::vector<int32_t>>> built;
  for (int32_t i = 0; i < 3; ++i) {
    const AIMapData& map = Map(i);
    EXPECT_GT(map.ownNodeCount, 40u) << map.MapName();
    files.push_back(TempDir::Read(*NodeGraphFileName(map.MapName())));
    EXPECT_EQ(files.back(), NodeGraphText(map.nodes, 0, map.ownNodeCount));
    for (const AINode& node : map.nodes) {
      // Every node stands NODE_HEIGHT over the floor of its own map, linked within it.
      EXPECT_EQ(node.mapIndex, i);
      EXPECT_GT(node.light, 0.0f) << "lit by the map's light grid";
      for (int32_t link : node.neighbours) EXPECT_TRUE(map.ValidId(link));
    }
    built.push_back(Links(map));
  }
  // The graphs the build ships are these bytes.
  for (const char* map : {"lobby", "gallery", "vault"}) {
    EXPECT_EQ(TempDir::Read(std::string("built-") + map + ".ngd"), TempDir::Read(std::string("Maps/") + map + ".ngd")) << map;
  }
  // The next run reads the files: the same nodes and, made two-way, the links of the files.
  Engine::Get()->Shutdown();
  StartGame();
  for (int32_t i = 0; i < 3; ++i) {
    EXPECT_EQ(TempDir::Read(*NodeGraphFileName(Map(i).MapName())), files[size_t(i)]);
    ASSERT_EQ(Map(i).ownNodeCount, built[size_t(i)].size());
    EXPECT_GT(Map(i).nodes[0].light, 0.0f) << "read nodes are lit too";
    for (size_t n = 0; n < built[size_t(i)].size(); ++n) {
      for (int32_t link : built[size_t(i)][n]) {
        EXPECT_TRUE(Map(i).nodes[n].Links(link));
        EXPECT_TRUE(Map(i).nodes[size_t(link)].Links(int32_t(n)));
      }
    }
  }
}

// An empty graph is never written, so a file without nodes beside a map with floor is damage
// too: taken, it would leave the map without nodes for good.
TEST_F(NodeGraphBuildTest, ARefusedFileIsKeptAsBadLoggedAndTheGraphBuiltAgain) {
  std::filesystem::create_directories("Maps");
  TempDir::Write("Maps/lobby.ngd", "1000000000\n0 0 0\n");
  TempDir::Write("Maps/gallery.ngd", "0\n");
  StartGame();
  const char* reasons[] = {"a node count of 1000000000 does not fit the file", "it holds no nodes, though the map has floor"};
  const char* kept[] = {"1000000000\n0 0 0\n", "0\n"};
  for (int32_t i = 0; i < 2; ++i) {
    const std::string path = *NodeGraphFileName(Map(i).MapName());
    EXPECT_GT(Map(i).ownNodeCount, 40u);
    EXPECT_EQ(TempDir::Read(path + ".bad"), kept[i]);
    EXPECT_EQ(TempDir::Read(path), NodeGraphText(Map(i).nodes, 0, Map(i).ownNodeCount));
    EXPECT_NE(LogOf("AI Log").find("The node graph " + path + " is refused (" + reasons[i] + "): kept as " + path +
                                   ".bad, the graph is built anew"),
              std::string::npos)
        << path;
  }
}

TEST_F(NodeGraphBuildTest, LatticePointsNearerThan104ToANodeGetNone) {
  StartGame();
  AIMapData scratch("scratch.bsp", 0, nullptr, Ai()->GetRays());
  NodeGraphBuilder builder(scratch);
  const platform::Vector3 guard{32, 32, 85};
  ASSERT_NE(builder.AddGridNode(kHall, guard), nullptr);
  EXPECT_EQ(builder.AddGridNode(kHall + platform::Vector3{103.9f, 0, 0}, guard), nullptr);
  EXPECT_NE(builder.AddGridNode(kHall + platform::Vector3{104.0f, 0, 0}, guard), nullptr);
  // Where the guard's box meets a wall, no node: the hall's west wall stands at x = 0.
  EXPECT_EQ(builder.AddGridNode({8.0f, -256.0f, 48.0f}, guard), nullptr);
  EXPECT_EQ(scratch.nodes.size(), 2u);
}

TEST_F(NodeGraphBuildTest, ATriangleIsScannedFromItsBoxRoundedTowardsZero) {
  StartGame();
  AIMapData scratch("scratch.bsp", 0, nullptr, Ai()->GetRays());
  NodeGraphBuilder builder(scratch);
  // Box (-50, 10)-(70, 90): x runs -32 .. 64 and y 0 .. 64; the first lattice point over the
  // triangle in that order is (0, 32).
  builder.SampleTriangle(FloorTriangle({-50, 10, 0}, {70, 10, 0}, {70, 90, 0}), {});
  ASSERT_EQ(scratch.nodes.size(), 1u);
  EXPECT_EQ(scratch.nodes[0].position, (platform::Vector3{0, 32, 48}));
  // A floor at z = 0 holds points at node height.
  EXPECT_TRUE(FloorTriangle({-50, 10, 0}, {70, 10, 0}, {70, 90, 0}).Contains({70, 10, 48}));
  EXPECT_FALSE(FloorTriangle({-50, 10, 0}, {70, 10, 0}, {70, 90, 0}).Contains({70, 9, 48}));
}

TEST_F(NodeGraphBuildTest, LinkingTakesTheNearestVisibleTenAndSuperNodesComeFree) {
  StartGame();
  AIMapData scratch("scratch.bsp", 0, nullptr, Ai()->GetRays());
  scratch.AppendNode(kHall);
  // Sixteen candidates round the node at growing distances; the 2nd, 5th and 9th are super nodes.
  for (int k = 1; k <= 16; ++k) {
    const float angle = float(k) * 0.39f, distance = 20.0f + 10.0f * float(k);
    AINode& c = scratch.AppendNode(kHall + platform::Vector3{distance * std::cos(angle), distance * std::sin(angle), 0});
    c.isSuperNode = (k == 2 || k == 5 || k == 9) ? 1 : 0;
  }
  // Too near, too far, too high, excluded: never candidates.
  scratch.AppendNode(kHall + platform::Vector3{0.5f, 0, 0});
  scratch.AppendNode(kHall + platform::Vector3{0, 0, 11});
  scratch.AppendNode(kHall + platform::Vector3{60, 60, 0}).excluded = 1;
  scratch.LinkNode(0, 10, false);
  std::vector<int32_t> expected;
  for (int32_t k = 1; k <= 13; ++k) expected.push_back(k);
  EXPECT_EQ(scratch.nodes[0].neighbours, expected);
  EXPECT_TRUE(scratch.nodes[1].neighbours.empty()) << "one way";
  scratch.LinkNode(1, 8, true);
  EXPECT_TRUE(scratch.nodes[0].Links(1));
  EXPECT_EQ(std::count(scratch.nodes[0].neighbours.begin(), scratch.nodes[0].neighbours.end(), 1), 1) << "never twice";
}

TEST_F(NodeGraphBuildTest, NearestNodeQueriesSkipDeletedNodesAndGiveTheLowerIdOnTies) {
  StartGame();
  const AIMapData& lobby = Map(0);
  const AINode* nearest = Ai()->FindNearestNodeInMap(lobby.nodes[3].position, 0);
  ASSERT_NE(nearest, nullptr);
  EXPECT_EQ(nearest->id, 3);
  EXPECT_EQ(Ai()->FindNearestNodeInMap(kHall, 3), nullptr);
  EXPECT_EQ(Ai()->FindNearestNodeInMap(kHall, -1), nullptr);
  Ai()->GetMapData(0)->nodes[3].deleted = 1;
  EXPECT_NE(Ai()->FindNearestNodeInMap(lobby.nodes[3].position, 0)->id, 3);
  AIMapData scratch("scratch.bsp", 0, nullptr, Ai()->GetRays());
  EXPECT_EQ(scratch.RandomNodePosition(), std::nullopt);
  scratch.AppendNode({10, 0, 0});
  scratch.AppendNode({-10, 0, 0});
  EXPECT_EQ(scratch.FindNearestNode({0, 0, 0})->id, 0);
}

}  // namespace

namespace {

TEST_F(NodeGraphBuildTest, RelinkingDropsDeletedNodesWritesOnlyTheMapsOwnAndAddsTeleporterNodesOnce) {
  StartGame();
  AIMapData& lobby = *Ai()->GetMapData(0);
  const size_t own = lobby.ownNodeCount;
  const auto teleporters = [&lobby] {
    return std::count_if(lobby.nodes.begin(), lobby.nodes.end(), [](const AINode& n) { return n.teleporter != 0; });
  };
  const auto before = teleporters();
  ASSERT_GT(before, 0);
  lobby.nodes[7].deleted = 1;
  AIRoute learned;
  learned.nodeIds = {1, 2, 3, 4};
  lobby.paths.AddPath(learned);
  Ai()->RelinkNodeGraph(0);
  EXPECT_EQ(lobby.ownNodeCount, own - 1);
  EXPECT_EQ(teleporters(), before);
  EXPECT_TRUE(lobby.paths.database.empty()) << "routes planned over the old ids";
  EXPECT_EQ(TempDir::Read("Maps/lobby.ngd"), NodeGraphText(lobby.nodes, 0, lobby.ownNodeCount));
  for (size_t i = 0; i < lobby.nodes.size(); ++i) {
    EXPECT_EQ(lobby.nodes[i].id, int32_t(i));
    EXPECT_FALSE(lobby.nodes[i].deleted);
  }
}

}  // namespace
