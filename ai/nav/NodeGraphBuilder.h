#pragma once
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "ai/nav/FloorTriangle.h"
#include "platform/math/Vector.h"

class AIMapData;
struct AINode;
struct BspData;

// What a map's graph is built from: its floors, and its own super nodes and cover spots.
struct NodeGraphSources {
  const BspData* geometry = nullptr;
  std::vector<platform::Vector3> superNodes;
  std::vector<platform::Vector3> coverSpots;
  // The size of the guard's model: lattice points where a guard does not fit get no node.
  platform::Vector3 guardSize;
};

// Builds a map's graph: nodes at its super nodes and cover spots, then on a NODE_SPACING
// lattice over every upward-facing floor triangle, thinned to one node per 104 units and kept
// only where a guard fits; then links them.
class NodeGraphBuilder {
 public:
  // Lattice points nearer than this to an earlier node get none.
  static constexpr float kNodeGap = 3.25f * 32;

  explicit NodeGraphBuilder(AIMapData& map) : map_(map) {}

  void Build(const NodeGraphSources& sources);
  // The map's floor: the triangles of its faces whose first vertex's normal points straight up,
  // in face order.
  static std::vector<FloorTriangle> FloorTriangles(const BspData& geometry);
  // Samples the triangle's box on the lattice (bounds rounded towards zero to multiples of
  // NODE_SPACING), one grid node per point over the triangle.
  void SampleTriangle(const FloorTriangle& triangle, const platform::Vector3& guardSize);
  // A node at the lattice point unless an earlier node is nearer than kNodeGap or a guard
  // standing there would overlap the level; null then.
  AINode* AddGridNode(const platform::Vector3& point, const platform::Vector3& guardSize);

 private:
  void Remember(const AINode& node);
  bool HasNodeWithinGap(const platform::Vector3& point) const;
  static int64_t CellKey(int64_t x, int64_t y, int64_t z);
  static int64_t CellOf(float value);

  AIMapData& map_;
  // The spacing test through a grid of kNodeGap cells: the same answer as testing every node.
  std::unordered_map<int64_t, std::vector<int32_t>> cells_;
};
