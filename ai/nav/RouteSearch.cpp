#include "ai/nav/RouteSearch.h"

#include <algorithm>
#include <bit>
#include <limits>

namespace {

constexpr size_t kWays = 4;

// Which of four keys is least, without a branch: which way a comparison of search costs goes is
// a coin toss to the processor.
size_t LeastOfFour(const uint64_t* keys) {
  const size_t a = keys[1] < keys[0], b = 2 + (keys[3] < keys[2]);
  return a ^ ((a ^ b) & (0 - size_t(keys[b] < keys[a])));
}


}  // namespace

void RouteSearch::Prepare(const LinkTable& graph) {
  const size_t nodeCount = graph.NodeCount();
  if (records_.size() < nodeCount) records_.resize(nodeCount, Record{0, 0.0f, -1});
  if (taken_.size() < graph.MostLinks()) taken_.resize(graph.MostLinks());
  if (counter_ > std::numeric_limits<uint32_t>::max() - 2) {
    for (Record& r : records_) r.stamp = 0;
    counter_ = 0;
  }
  open_.clear();
  open_.reserve(kMaxOpen + 1);
  inserted_.clear();
  expanded_ = 0;
}

void RouteSearch::Push(float cost, int32_t node) {
  const uint64_t key = uint64_t(std::bit_cast<uint32_t>(cost)) << 32 | uint32_t(inserted_.size());
  inserted_.push_back(node);
  open_.push_back(key);
  Rise(open_.size() - 1, key);
}

void RouteSearch::Rise(size_t at, uint64_t key) {
  while (at > 0) {
    const size_t parent = (at - 1) / kWays;
    if (open_[parent] <= key) break;
    open_[at] = open_[parent];
    at = parent;
  }
  open_[at] = key;
}

size_t RouteSearch::LeastOf(size_t first, size_t end) const {
  size_t least = first;
  for (size_t child = first + 1; child < end; ++child) least = open_[child] < open_[least] ? child : least;
  return least;
}

int32_t RouteSearch::Pop() {
  const int32_t node = inserted_[uint32_t(open_.front())];
  const uint64_t last = open_.back();
  open_.pop_back();
  const size_t count = open_.size();
  if (count == 0) return node;
  // The hole at the top goes down along the least children to the bottom, and the last key
  // rises from there: the way down takes no guessed branch, and the way up is short, because
  // the last key is one of the largest.
  size_t at = 0;
  for (size_t first = 1; first < count; first = at * kWays + 1) {
    const size_t least = first + kWays <= count ? first + LeastOfFour(&open_[first]) : LeastOf(first, count);
    open_[at] = open_[least];
    at = least;
  }
  Rise(at, last);
  return node;
}

RouteSearch::Result RouteSearch::Search(const LinkTable& graph, int32_t from, int32_t to, std::vector<int32_t>& route) {
  Prepare(graph);
  const uint32_t closed = counter_ + 1, open = counter_ + 2;
  counter_ += 2;
  records_[size_t(from)] = {open, 0.0f, from};
  Push(0.0f, from);
  for (;;) {
    if (open_.empty()) return Result::NoRoute;
    if (open_.size() > kMaxOpen) return Result::OpenSetFull;
    const int32_t c = Pop();
    ++expanded_;
    if (c == to) break;
    // The open set's top now is most often the next node out: its links are on their way
    // from memory while this node is expanded.
    if (!open_.empty()) graph.Prefetch(inserted_[uint32_t(open_.front())]);
    Record& current = records_[size_t(c)];
    current.stamp = closed;
    // The links worth taking are gathered without a branch per link (whether a link is taken
    // depends on the search's state and is hard to guess), then opened in order.
    const std::span<const LinkTable::Link> links = graph.LinksOf(c);
    const uint32_t costSoFar = std::bit_cast<uint32_t>(current.cost);
    Taken* taken = taken_.data();
    size_t count = 0;
    for (const LinkTable::Link& link : links) {
      const int32_t target = link.To();
      const Record& next = records_[size_t(target)];
      const float g = link.cost + std::bit_cast<float>(costSoFar & link.KeepMask());
      // An open node is never improved; a closed one reopens only when reached cheaper.
      const bool take = (next.stamp != open) & ((next.stamp != closed) | (g < next.cost));
      taken[count] = {target, g};
      count += take;
    }
    for (size_t i = 0; i < count; ++i) {
      Record& next = records_[size_t(taken[i].node)];
      // A reopened node keeps the node it was first reached from.
      if (next.stamp != closed) next.previous = c;
      next.cost = taken[i].cost;
      next.stamp = open;
      Push(taken[i].cost, taken[i].node);
    }
  }
  route.clear();
  for (int32_t at = to; at != from; at = records_[size_t(at)].previous) {
    if (route.size() + 1 >= kMaxRouteIds) return Result::RouteTooLong;
    route.push_back(at);
  }
  route.push_back(from);
  std::reverse(route.begin(), route.end());
  return Result::Found;
}
