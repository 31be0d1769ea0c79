#include <gtest/gtest.h>

#include "ai/nav/PathFile.h"
#include "tests/ai/NavTestSupport.h"

// What the AI keeps across game starts and runs: graphs, level lists and learned routes.
namespace {

using GameStartNavTest = NavTest;

struct Snapshot {
  std::vector<size_t> nodes;
  std::vector<std::vector<std::vector<int32_t>>> links;
  size_t coverSpots, superNodes, patrolPoints, patrolMarkers;
  bool operator==(const Snapshot&) const = default;
};

Snapshot Take() {
  Snapshot s;
  AI* ai = Engine::Get()->GetAI();
  for (size_t i = 0; i < ai->GetMapCount(); ++i) {
    const AIMapData& map = *ai->GetMapData(int32_t(i));
    s.nodes.push_back(map.nodes.size());
    s.links.emplace_back();
    for (const AINode& node : map.nodes) s.links.back().push_back(node.neighbours);
  }
  s.coverSpots = ai->GetCoverSpots().size();
  s.superNodes = ai->GetSuperNodes().size();
  s.patrolPoints = ai->GetPatrolPoints().size();
  s.patrolMarkers = ai->GetPathSet().guardPatrolMarkers.size();
  return s;
}

TEST_F(GameStartNavTest, TenGamesInARowEndWithTheSameGraphsAndLists) {
  StartGame();
  const Snapshot first = Take();
  EXPECT_EQ(first.coverSpots, 26u) << "the museum's cover spots";
  EXPECT_GT(first.superNodes, 0u);
  EXPECT_EQ(first.patrolMarkers, 0u) << "each made a patrol";
  EXPECT_EQ(Ai()->GetPathSet().patrolPaths.size(), 6u);
  for (int game = 2; game <= 10; ++game) {
    GetLogic()->StartGame();
    ASSERT_TRUE(GetLogic()->IsInGame());
    EXPECT_EQ(Take(), first) << "game " << game;
  }
  // Every landmark the lists hold is of this game.
  for (const EntityHandle& spot : Ai()->GetCoverSpots()) EXPECT_NE(spot.Get(), nullptr);
}

TEST_F(GameStartNavTest, LearnedRoutesAreWrittenAtShutDownAndLoadedAtTheNextStart) {
  StartGame();
  AIMapData& lobby = *Ai()->GetMapData(0);
  AIRoute learned;
  learned.nodeIds = {0, 1, 2, 3};
  learned.mapIndex = 0;
  lobby.paths.AddPath(learned);
  AIRoute stale = learned;
  stale.nodeIds = {0, int32_t(lobby.nodes.size()) + 5};
  lobby.paths.AddPath(stale);
  Engine::Get()->Shutdown();
  EXPECT_EQ(TempDir::Read("Maps/lobby.bsp.path"), PathFileEntry(learned, "lobby.bsp")) << "a route naming no node is left out";
  EXPECT_EQ(TempDir::Read("Maps/vault.bsp.path"), "");
  StartGame();
  ASSERT_EQ(Ai()->GetMapData(0)->paths.database.size(), 1u);
  EXPECT_EQ(Ai()->GetMapData(0)->paths.database[0].nodeIds, learned.nodeIds);
  EXPECT_NE(LogOf("AI Log").find("Maps/lobby.bsp.path: 1 routes loaded"), std::string::npos);
}

TEST_F(GameStartNavTest, RoutesNamingNodesTheCompleteGraphLacksAreDroppedWithALine) {
  std::filesystem::create_directories("Maps");
  AIRoute far;
  far.nodeIds = {0, 100000};
  AIRoute near;
  near.nodeIds = {0, 1};
  TempDir::Write("Maps/lobby.bsp.path", PathFileEntry(far, "lobby.bsp") + PathFileEntry(near, "lobby.bsp"));
  StartGame();
  // Checked once the game's own nodes exist, when the computer players are made.
  ASSERT_EQ(Map(0).paths.database.size(), 1u);
  EXPECT_EQ(Map(0).paths.database[0].nodeIds, near.nodeIds);
  EXPECT_NE(LogOf("AI Log").find("Maps/lobby.bsp.path: 1 routes dropped"), std::string::npos);
}

}  // namespace
