#include "ai/RouteSearch.h"

#include <algorithm>
#include <limits>

namespace {

float LinkCost(const platform::Vector3& a, const platform::Vector3& b) { return 0.001f * platform::Vec3Length(platform::Vec3Cross(a, b)); }

}  // namespace

void RouteSearch::Prepare(size_t nodeCount) {
  if (stamp_.size() < nodeCount) {
    stamp_.resize(nodeCount, 0);
    previous_.resize(nodeCount, -1);
    cost_.resize(nodeCount, 0.0f);
  }
  if (counter_ > std::numeric_limits<uint32_t>::max() - 2) {
    std::fill(stamp_.begin(), stamp_.end(), 0u);
    counter_ = 0;
  }
  open_.clear();
  open_.reserve(kMaxOpen + 1);
  order_ = 0;
  expanded_ = 0;
}

void RouteSearch::Push(float cost, int32_t node) {
  open_.push_back({cost, order_++, node});
  std::push_heap(open_.begin(), open_.end(), Later);
}

RouteSearch::Entry RouteSearch::Pop() {
  std::pop_heap(open_.begin(), open_.end(), Later);
  const Entry e = open_.back();
  open_.pop_back();
  return e;
}

RouteSearch::Result RouteSearch::Search(const std::vector<AINode>& nodes, int32_t from, int32_t to, std::vector<int32_t>& route) {
  Prepare(nodes.size());
  const uint32_t closed = counter_ + 1, open = counter_ + 2;
  counter_ += 2;
  const auto s = size_t(from);
  previous_[s] = from;
  cost_[s] = 0.0f;
  stamp_[s] = open;
  Push(0.0f, from);
  for (;;) {
    if (open_.empty()) return Result::NoRoute;
    if (open_.size() > kMaxOpen) return Result::OpenSetFull;
    const Entry e = Pop();
    ++expanded_;
    const auto c = size_t(e.node);
    if (e.node == to) break;
    stamp_[c] = closed;
    const AINode& current = nodes[c];
    for (int32_t k : current.neighbours) {
      if (k < 0 || size_t(k) >= nodes.size()) continue;
      const auto n = size_t(k);
      const AINode& next = nodes[n];
      const float link = LinkCost(next.position, current.position);
      const float g = next.isSuperNode ? link : link + cost_[c];
      if (stamp_[n] == open) continue;
      if (stamp_[n] == closed) {
        if (!(g < cost_[n])) continue;
      } else {
        previous_[n] = e.node;
      }
      cost_[n] = g;
      stamp_[n] = open;
      Push(g, k);
    }
  }
  route.clear();
  for (int32_t at = to; at != from; at = previous_[size_t(at)]) {
    if (route.size() + 1 >= kMaxRouteIds) return Result::RouteTooLong;
    route.push_back(at);
  }
  route.push_back(from);
  std::reverse(route.begin(), route.end());
  return Result::Found;
}
