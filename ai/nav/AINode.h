#pragma once
#include <cstdint>
#include <vector>

#include "platform/math/Vector.h"

// The lattice spacing of the node graph and the height of nodes (and of the walking reference
// point) above the floor, in world units.
inline constexpr int NODE_SPACING = 32;
inline constexpr int NODE_HEIGHT = 48;

// One node of a map's navigation graph. A flat record: the route search keeps its per-search
// state beside the graph, so nodes are only read while planning.
struct AINode {
  platform::Vector3 position;
  // Ids of the nodes this one links to, in the order the links were made, never twice.
  std::vector<int32_t> neighbours;
  // The node's position in its map's node list.
  int32_t id = 0;
  // Sum of the six colour values of the light-grid lighting at the node.
  float light = 0.0f;
  uint8_t isSuperNode = 0;
  // The node stands at a teleporter; the developer keys leave it alone.
  uint8_t teleporter = 0;
  // Marks set by the developer keys.
  uint8_t deleted = 0;
  uint8_t excluded = 0;
  int8_t mapIndex = 0;
  // Kept in the file; nothing depends on it.
  int32_t reserved = 0;
  // Size of the node's debug box; 0 means 10.
  int32_t drawSize = 0;

  bool Links(int32_t other) const;
  // Appends the link unless it is there; true when it was added.
  bool AddLink(int32_t other);
};
