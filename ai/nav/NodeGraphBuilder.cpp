#include "ai/nav/NodeGraphBuilder.h"

#include <cmath>

#include "ai/nav/AIMapData.h"
#include "ai/nav/FloorTriangle.h"
#include "map/BspData.h"

namespace {

platform::Vector3 VertexPosition(const BspVertex& v) { return {v.position[0], v.position[1], v.position[2]}; }

// Towards zero to a multiple of the lattice spacing.
float LatticeBound(float value) {
  const auto whole = int64_t(value);
  return float(whole - whole % NODE_SPACING);
}

}  // namespace

void NodeGraphBuilder::Build(const NodeGraphSources& sources) {
  for (const platform::Vector3& position : sources.superNodes) {
    AINode& node = map_.AddNode(position);
    node.isSuperNode = 1;
    Remember(node);
  }
  for (const platform::Vector3& position : sources.coverSpots) {
    AINode& node = map_.AddNode(position);
    node.drawSize = 20;
    Remember(node);
  }
  if (sources.geometry) {
    for (const FloorTriangle& triangle : FloorTriangles(*sources.geometry)) SampleTriangle(triangle, sources.guardSize);
  }
  map_.LinkGraph(sources.superNodes);
}

std::vector<FloorTriangle> NodeGraphBuilder::FloorTriangles(const BspData& geometry) {
  std::vector<FloorTriangle> floors;
  const auto vertexCount = int64_t(geometry.vertices.size());
  const auto meshVertexCount = int64_t(geometry.meshVertices.size());
  for (const BspFace& face : geometry.faces) {
    for (int64_t k = 0; k + 2 < face.meshVertexCount; k += 3) {
      platform::Vector3 p[3];
      bool inside = true;
      float firstNormalZ = 0.0f;
      for (int j = 0; j < 3 && inside; ++j) {
        const int64_t m = int64_t(face.firstMeshVertex) + k + j;
        const int64_t v = m >= 0 && m < meshVertexCount ? int64_t(geometry.meshVertices[size_t(m)]) + face.firstVertex : -1;
        inside = v >= 0 && v < vertexCount;
        if (!inside) break;
        p[j] = VertexPosition(geometry.vertices[size_t(v)]);
        if (j == 0) firstNormalZ = geometry.vertices[size_t(v)].normal[2];
      }
      if (inside && firstNormalZ == 1.0f) floors.emplace_back(p[0], p[1], p[2]);
    }
  }
  return floors;
}

void NodeGraphBuilder::SampleTriangle(const FloorTriangle& triangle, const platform::Vector3& guardSize) {
  const platform::Vector3 min = triangle.Min(), max = triangle.Max();
  const float xs = LatticeBound(min.x), xe = LatticeBound(max.x);
  const float ys = LatticeBound(min.y), ye = LatticeBound(max.y);
  for (float y = ys; y <= ye; y += NODE_SPACING) {
    for (float x = xs; x <= xe; x += NODE_SPACING) {
      const platform::Vector3 point{x, y, min.z + NODE_HEIGHT};
      if (triangle.Contains(point)) AddGridNode(point, guardSize);
    }
  }
}

AINode* NodeGraphBuilder::AddGridNode(const platform::Vector3& p, const platform::Vector3& guardSize) {
  if (HasNodeWithinGap(p)) return nullptr;
  // No node where a guard standing on this floor would overlap the level: the box is the
  // guard's, a little wider and lower, so that it clears the floor it stands on.
  if (map_.World().BoxOverlapsLevel({p.x + 20.0f, p.y + 20.0f, p.z - NODE_HEIGHT + 0.5f * guardSize.z + 2.0f},
                                    {1.05f * guardSize.x, 1.05f * guardSize.y, 0.4f * guardSize.z})) {
    return nullptr;
  }
  AINode& node = map_.AppendNode(p);
  Remember(node);
  return &node;
}

int64_t NodeGraphBuilder::CellOf(float value) { return int64_t(std::floor(value / kNodeGap)); }

int64_t NodeGraphBuilder::CellKey(int64_t x, int64_t y, int64_t z) {
  return ((x & 0x1FFFFF) << 42) | ((y & 0x1FFFFF) << 21) | (z & 0x1FFFFF);
}

void NodeGraphBuilder::Remember(const AINode& node) {
  cells_[CellKey(CellOf(node.position.x), CellOf(node.position.y), CellOf(node.position.z))].push_back(node.id);
}

bool NodeGraphBuilder::HasNodeWithinGap(const platform::Vector3& point) const {
  const int64_t cx = CellOf(point.x), cy = CellOf(point.y), cz = CellOf(point.z);
  for (int64_t dx = -1; dx <= 1; ++dx) {
    for (int64_t dy = -1; dy <= 1; ++dy) {
      for (int64_t dz = -1; dz <= 1; ++dz) {
        auto cell = cells_.find(CellKey(cx + dx, cy + dy, cz + dz));
        if (cell == cells_.end()) continue;
        for (int32_t id : cell->second) {
          if (platform::Vec3LengthSq(map_.nodes[size_t(id)].position - point) < kNodeGap * kNodeGap) return true;
        }
      }
    }
  }
  return false;
}
