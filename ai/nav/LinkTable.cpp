#include "ai/nav/LinkTable.h"

#include <algorithm>

float LinkTable::LinkCost(const platform::Vector3& from, const platform::Vector3& to) {
  return 0.001f * platform::Vec3Length(platform::Vec3Cross(to, from));
}

void LinkTable::Build(const std::vector<AINode>& nodes) {
  first_.clear();
  links_.clear();
  mostLinks_ = 0;
  first_.reserve(nodes.size() + 1);
  for (const AINode& node : nodes) {
    first_.push_back(uint32_t(links_.size()));
    const size_t first = links_.size();
    for (int32_t k : node.neighbours) {
      if (k < 0 || size_t(k) >= nodes.size() || size_t(k) == first_.size() - 1) continue;
      const auto repeats = [k](const Link& l) { return l.To() == k; };
      if (std::any_of(links_.begin() + std::ptrdiff_t(first), links_.end(), repeats)) continue;
      const AINode& to = nodes[size_t(k)];
      links_.push_back({uint32_t(k) | (to.isSuperNode ? kRestarts : 0u), LinkCost(node.position, to.position)});
    }
    mostLinks_ = std::max<size_t>(mostLinks_, links_.size() - first_.back());
  }
  first_.push_back(uint32_t(links_.size()));
}
