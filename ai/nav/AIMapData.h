#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ai/nav/AINode.h"
#include "ai/nav/AIPathSet.h"
#include "ai/nav/NavLog.h"
#include "ai/nav/NavWorld.h"
#include "ai/nav/NodeGraphBuilder.h"
#include "ai/nav/RouteSearch.h"
#include "platform/math/Vector.h"

struct BspData;

// One loaded map's navigation data: its node graph and its route database.
class AIMapData {
 public:
  // `geometry`, the map's data while it is loaded, lights the nodes; without it they stay dark.
  // `world` (kept, it must outlive the map data) gives the floor and sight of nodes; `log`
  // receives what goes wrong with the map's files.
  AIMapData(std::string mapName, int32_t mapIndex, const BspData* geometry = nullptr,
            const NavWorld& world = NavWorld::Empty(), NavLog log = {});

  // A node dropped onto the floor below the position (NODE_HEIGHT above the hit, or above the
  // position when nothing is below), lit by the light grid, with no spacing or clearance test.
  AINode& AddNode(const platform::Vector3& position);
  // A node exactly at the position (graph building's lattice points already stand at node
  // height).
  AINode& AppendNode(const platform::Vector3& position);
  // Links node i to at most maxLinks near nodes it sees (links to super nodes are free),
  // and, with bothWays, links them back.
  void LinkNode(int32_t i, int maxLinks, bool bothWays);
  // Links this map's super nodes that see each other (at any distance), then every node with
  // fewer than ten links to its nearest visible nodes.
  void LinkGraph(const std::vector<platform::Vector3>& superNodes);
  // Every link becomes two-way.
  void MakeLinksSymmetric();
  // The position of a random node; none for an empty graph.
  std::optional<platform::Vector3> RandomNodePosition() const;
  // The nearest node that is not deleted (lowest id on equal distances), or null.
  const AINode* FindNearestNode(const platform::Vector3& position) const;

  // Reads the map's graph file; when it is missing or refused (then kept as ".bad" beside it),
  // builds the graph from what `sources` gives and writes the file. True when the file was read.
  bool LoadNodeGraph(const std::function<NodeGraphSources()>& sources);
  // Writes the map's own nodes to its graph file, in place of the old one only once written.
  void SaveNodeGraph() const;

  // Rebuilds the map's own graph from the nodes `keep` marks (renumbered in order, links made
  // anew) and writes its file; the route database, planned over the old ids, is emptied.
  // Returns each old id's new id, -1 for a node not kept.
  std::vector<int32_t> Relink(const std::vector<bool>& keep, const std::vector<platform::Vector3>& superNodes);

  // Drops the nodes the game start added (teleporter and patrol nodes) and every link to
  // them: the graph is then as read or built.
  void DropGameNodes();

  // The route search over the graph as it now stands (its link table is made again first
  // when the graph changed since the last search). The ids must be the graph's, unchecked, and
  // `route` means nothing unless Found comes back (RouteSearch::Search).
  RouteSearch::Result SearchRoute(int32_t from, int32_t to, std::vector<int32_t>& route);
  // What changes `nodes` other than through the operations above must say so before the next
  // search.
  void GraphChanged() { linksStale_ = true; }

  const std::string& MapName() const { return mapName_; }
  const NavWorld& World() const { return world_; }
  const NavLog& Log() const { return log_; }
  int32_t MapIndex() const { return mapIndex_; }
  bool ValidId(int32_t id) const { return id >= 0 && size_t(id) < nodes.size(); }
  bool ValidRoute(const AIRoute& route) const;

  std::vector<AINode> nodes;
  AIPathSet paths;
  // Nodes below this count are the map's own (read or built); the rest were added for a game.
  size_t ownNodeCount = 0;

 private:
  // The sum of the light grid's six colour values at the node.
  float LightAt(const platform::Vector3& position) const;

  std::string mapName_;
  int32_t mapIndex_;
  const BspData* geometry_;
  const NavWorld& world_;
  NavLog log_;
  // The route planner's working state over this graph.
  LinkTable links_;
  bool linksStale_ = true;
  RouteSearch search_;
};
