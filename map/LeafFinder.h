#pragma once
#include <cstdint>
#include <vector>

#include "map/BspData.h"

// Finds the leaf that holds a point, for the camera and every entity each physics update.
// The walk from node 0 goes to the front child when the point lies on or in front of the
// node's plane (a NaN distance counts as in front). The tree is copied into one compact
// record per node with the plane normal already normalised (a zero normal is kept as it is),
// so each step of the walk touches one cache line and divides nothing.
class LeafFinder {
 public:
  LeafFinder() = default;  // finds nothing
  // `map` in the world frame (ConvertToWorldFrame) and checked by BspReader; the finder
  // copies what it needs and does not refer to the map afterwards.
  explicit LeafFinder(const BspData& map);

  // Index into the map's leaves, or -1 when the map has no nodes.
  int32_t FindLeafIndex(const float point[3]) const;

 private:
  struct Node {
    float normal[3];
    float distance;
    int32_t children[2];
  };
  std::vector<Node> nodes_;
};
