#pragma once
#include <cstdint>
#include <span>
#include <vector>

#include "ai/nav/AINode.h"

// A node graph's links as the route search walks them: every node's links side by side in one
// array, in the node's own order, each with its cost and whether a route's cost starts anew
// where it leads (at a super node), so that a search reads no node records and takes no square
// roots. Links to ids outside the graph are left out, and so are repeated links (a repeat opens
// nothing the first did not) and a node's links to itself (the graph
// reader refuses them and building makes none; a search would take one only from a super node,
// to open it again at no cost): without them, a search may read every link's target before it
// opens any.
class LinkTable {
 public:
  struct Link {
    // The node the link leads to, with the top bit set when that node is a super node.
    uint32_t target;
    float cost;

    int32_t To() const { return int32_t(target & ~kRestarts); }
    // All ones to add the cost so far to the link's, none when the cost starts anew.
    uint32_t KeepMask() const { return (target >> 31) - 1u; }
  };
  static constexpr uint32_t kRestarts = 0x80000000u;

  LinkTable() = default;
  // A graph's nodes serve where a table is asked for, for a search made once.
  LinkTable(const std::vector<AINode>& nodes) { Build(nodes); }  // NOLINT(google-explicit-constructor)
  void Build(const std::vector<AINode>& nodes);

  size_t NodeCount() const { return first_.empty() ? 0 : first_.size() - 1; }
  // The most links any one node has.
  size_t MostLinks() const { return mostLinks_; }
  std::span<const Link> LinksOf(int32_t node) const {
    return {links_.data() + first_[size_t(node)], links_.data() + first_[size_t(node) + 1]};
  }

  // Asks for the node's links to be brought into the cache.
  void Prefetch(int32_t node) const { __builtin_prefetch(links_.data() + first_[size_t(node)]); }

  // A link c -> n costs 0.001 x |n x c| (the cross product of the two positions, not their
  // distance): cheap, and what stored routes were planned with.
  static float LinkCost(const platform::Vector3& from, const platform::Vector3& to);

 private:
  std::vector<uint32_t> first_;
  std::vector<Link> links_;
  size_t mostLinks_ = 0;
};
