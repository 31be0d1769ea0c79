#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ai/AINode.h"
#include "ai/AIPathSet.h"
#include "platform/math/Vector.h"

// One loaded map's navigation data: its node graph and its route database.
class AIMapData {
 public:
  AIMapData(std::string mapName, int32_t mapIndex);

  // A node dropped onto the floor below the position (NODE_HEIGHT above the hit, or above the
  // position when nothing is below), lit by the light grid, with no spacing or clearance test.
  AINode& AddNode(const platform::Vector3& position);
  // Links node i to at most maxLinks near nodes it sees (links to super nodes are free),
  // and, with bothWays, links them back.
  void LinkNode(int32_t i, int maxLinks, bool bothWays);
  // Every link becomes two-way.
  void MakeLinksSymmetric();
  // The position of a random node; none for an empty graph.
  std::optional<platform::Vector3> RandomNodePosition() const;
  // The nearest node that is not deleted (lowest id on equal distances), or null.
  const AINode* FindNearestNode(const platform::Vector3& position) const;

  void DrawNodes() const;
  // index -1 draws every node's links.
  void DrawLinks(int32_t index) const;

  // Drops the nodes the game start added (teleporter and patrol nodes) and every link to
  // them: the graph is then as read or built.
  void DropGameNodes();

  const std::string& MapName() const { return mapName_; }
  int32_t MapIndex() const { return mapIndex_; }
  bool ValidId(int32_t id) const { return id >= 0 && size_t(id) < nodes.size(); }

  std::vector<AINode> nodes;
  AIPathSet paths;
  // Nodes below this count are the map's own (read or built); the rest were added for a game.
  size_t ownNodeCount = 0;

 private:
  void DrawNodeLinks(const AINode& node) const;

  std::string mapName_;
  int32_t mapIndex_;
};
