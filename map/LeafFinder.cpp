#include "map/LeafFinder.h"

#include <cmath>

LeafFinder::LeafFinder(const BspData& map) {
  nodes_.reserve(map.nodes.size());
  for (const BspNode& node : map.nodes) {
    const BspPlane& plane = map.planes[size_t(node.plane)];
    const float* n = plane.normal;
    float length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    float scale = length != 0.0f ? 1.0f / length : 1.0f;
    nodes_.push_back({{n[0] * scale, n[1] * scale, n[2] * scale},
                      plane.distance,
                      {node.children[0], node.children[1]}});
  }
}

int32_t LeafFinder::FindLeafIndex(const float point[3]) const {
  if (nodes_.empty()) return -1;
  int32_t index = 0;
  // A checked map is a tree, so the walk ends within nodes_.size() steps; the bound keeps a
  // hand-built map from looping.
  for (size_t steps = 0; index >= 0; ++steps) {
    if (steps > nodes_.size()) return -1;
    const Node& node = nodes_[size_t(index)];
    float d = point[0] * node.normal[0] + point[1] * node.normal[1] + point[2] * node.normal[2] -
              node.distance;
    index = node.children[d < 0.0f ? 1 : 0];
  }
  return -(index + 1);
}
