#pragma once
#include <cstdint>
#include <vector>

#include "ai/nav/LinkTable.h"

// The best-first search over one map's graph, with fixed bounds: it fails rather than grow
// past kMaxOpen open entries or return a route of more than kMaxRouteIds ids. Per-node state
// lives in one flat record per node, stamped per search, so nothing is cleared between searches
// and nothing is allocated once the tables have the graph's size.
//
// A link's cost (LinkTable) is added to its start's cost unless it leads to a super node, whose
// cost starts anew. Equal costs leave the open set in insertion order; a node already open is
// never improved; a closed node reopens when reached cheaper.
class RouteSearch {
 public:
  static constexpr size_t kMaxOpen = 1000;
  static constexpr size_t kMaxRouteIds = 1000;

  enum class Result { Found, NoRoute, OpenSetFull, RouteTooLong };

  // Searches from `from` to `to`; on success `route` holds from ... to. Both must be ids of the
  // graph's nodes (0 .. node count - 1): they are not checked, and any other id reads outside
  // the tables. On NoRoute and OpenSetFull `route` is left as it was; on RouteTooLong it holds
  // the kMaxRouteIds - 1 ids nearest the goal, the goal first: no route, only what was walked
  // back before giving up.
  Result Search(const LinkTable& graph, int32_t from, int32_t to, std::vector<int32_t>& route);

  // The cost at which the last search reached the node (valid for nodes it reached).
  float Cost(int32_t node) const { return records_[size_t(node)].cost; }
  // Nodes taken from the open set by the last search.
  size_t Expanded() const { return expanded_; }

 private:
  // What a search knows of a node; valid while `stamp` is one of the search's two stamps.
  struct Record {
    uint32_t stamp;
    float cost;
    int32_t previous;
  };
  // A link a search takes: the node it opens and at what cost.
  struct Taken {
    int32_t node;
    float cost;
  };
  void Prepare(const LinkTable& graph);
  void Push(float cost, int32_t node);
  int32_t Pop();
  // Puts the key at `at` or above it, moving down the larger keys on its way up.
  void Rise(size_t at, uint64_t key);
  // The least of the open keys [first, end).
  size_t LeastOf(size_t first, size_t end) const;

  std::vector<Record> records_;
  std::vector<Taken> taken_;
  // The open set: a four-way heap of keys that order by cost, then by insertion (the cost's
  // bits above, the insertion number below: costs are never negative, so their bits order as
  // they do), and the node of each insertion number.
  std::vector<uint64_t> open_;
  std::vector<int32_t> inserted_;
  // Each search takes two stamps (closed, open); stamps restart from 1 when they would wrap.
  uint32_t counter_ = 0;
  size_t expanded_ = 0;
};
