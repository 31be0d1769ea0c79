#include "ai/nav/AIRoute.h"

#include "ai/nav/AIMapData.h"

void AIRoute::Clear() {
  nodeIds.clear();
  points.clear();
  name.clear();
}

void AIRoute::Append(const AIRoute& other) {
  nodeIds.insert(nodeIds.end(), other.nodeIds.begin(), other.nodeIds.end());
  points.insert(points.end(), other.points.begin(), other.points.end());
}

void AIRoute::Pull(int passes, const AIMapData& map) {
  constexpr float kPullRangeSq = 500.0f * 500.0f;
  for (int pass = 0; pass < passes; ++pass) {
    for (size_t i = 0; i + 2 < nodeIds.size();) {
      if (!map.ValidId(nodeIds[i]) || !map.ValidId(nodeIds[i + 2])) break;
      const platform::Vector3& p0 = map.nodes[size_t(nodeIds[i])].position;
      const platform::Vector3& p2 = map.nodes[size_t(nodeIds[i + 2])].position;
      if (platform::Vec3LengthSq(p2 - p0) <= kPullRangeSq && map.World().SeesPoint(p0, p2)) {
        nodeIds.erase(nodeIds.begin() + std::ptrdiff_t(i) + 1);
      } else {
        ++i;
      }
    }
  }
}
