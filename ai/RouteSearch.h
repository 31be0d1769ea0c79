#pragma once
#include <cstdint>
#include <vector>

#include "ai/AINode.h"

// The best-first search over one map's graph, with fixed bounds: it fails rather than grow
// past kMaxOpen open entries or return a route of more than kMaxRouteIds ids. Per-node state
// lives in flat arrays stamped per search, so nothing is cleared between searches and nothing
// is allocated once the arrays have the graph's size.
//
// Costs: a link c -> n costs 0.001 x |n.position x c.position| (the cross product of the two
// position vectors: cheap, and what stored routes were planned with), added to c's cost unless
// n is a super node, whose cost starts anew. Equal costs leave the open set in insertion
// order; a node already open is never improved; a closed node reopens when reached cheaper.
class RouteSearch {
 public:
  static constexpr size_t kMaxOpen = 1000;
  static constexpr size_t kMaxRouteIds = 1000;

  enum class Result { Found, NoRoute, OpenSetFull, RouteTooLong };

  // Searches from `from` to `to` (ids of `nodes`); on success `route` holds from ... to.
  Result Search(const std::vector<AINode>& nodes, int32_t from, int32_t to, std::vector<int32_t>& route);

  // The cost at which the last search reached the node (valid for nodes it reached).
  float Cost(int32_t node) const { return cost_[size_t(node)]; }
  // Nodes taken from the open set by the last search.
  size_t Expanded() const { return expanded_; }

 private:
  struct Entry {
    float cost;
    uint32_t order;
    int32_t node;
  };
  // True when a comes out of the open set after b.
  static bool Later(const Entry& a, const Entry& b) { return a.cost > b.cost || (a.cost == b.cost && a.order > b.order); }
  void Prepare(size_t nodeCount);
  void Push(float cost, int32_t node);
  Entry Pop();

  std::vector<uint32_t> stamp_;
  std::vector<int32_t> previous_;
  std::vector<float> cost_;
  std::vector<Entry> open_;
  // Each search takes two stamps (closed, open); stamps restart from 1 when they would wrap.
  uint32_t counter_ = 0;
  uint32_t order_ = 0;
  size_t expanded_ = 0;
};
