#include "ai/AIRoute.h"

#include "ai/AI.h"
#include "ai/AIMapData.h"
#include "ai/NavRays.h"
#include "engine/Engine.h"
#include "graphics/DebugDraw.h"
#include "graphics/Graphics.h"

namespace {

// Routes of maps beyond this index are not drawn.
constexpr int32_t kLastDrawnMap = 10;

}  // namespace

void AIRoute::Clear() {
  nodeIds.clear();
  points.clear();
  name.clear();
}

void AIRoute::Append(const AIRoute& other) {
  nodeIds.insert(nodeIds.end(), other.nodeIds.begin(), other.nodeIds.end());
  points.insert(points.end(), other.points.begin(), other.points.end());
}

void AIRoute::Pull(int passes) {
  constexpr float kPullRangeSq = 500.0f * 500.0f;
  const AI* ai = Engine::Get()->GetAI();
  const AIMapData* map = ai ? ai->GetMapData(mapIndex) : nullptr;
  if (!map) return;
  for (int pass = 0; pass < passes; ++pass) {
    for (size_t i = 0; i + 2 < nodeIds.size();) {
      if (!map->ValidId(nodeIds[i]) || !map->ValidId(nodeIds[i + 2])) break;
      const platform::Vector3& p0 = map->nodes[size_t(nodeIds[i])].position;
      const platform::Vector3& p2 = map->nodes[size_t(nodeIds[i + 2])].position;
      if (platform::Vec3LengthSq(p2 - p0) <= kPullRangeSq && SeesPoint(p0, p2)) {
        nodeIds.erase(nodeIds.begin() + std::ptrdiff_t(i) + 1);
      } else {
        ++i;
      }
    }
  }
}

void AIRoute::Draw() const {
  if (mapIndex < 0 || mapIndex > kLastDrawnMap) return;
  DrawRouteLines(*this, mapIndex, 0xffffffff, 0xffff0000);
}

void DrawRouteLines(const AIRoute& route, int32_t mapIndex, uint32_t even, uint32_t odd) {
  Engine* engine = Engine::Get();
  const AI* ai = engine->GetAI();
  Graphics* graphics = engine->GetGraphics();
  DebugDraw* draw = graphics ? graphics->GetDebugDraw() : nullptr;
  const AIMapData* map = ai ? ai->GetMapData(mapIndex) : nullptr;
  if (!draw || !map || !ai->GetConfig().NodePathDraw) return;
  for (size_t i = 0; i + 1 < route.nodeIds.size(); ++i) {
    const int32_t a = route.nodeIds[i], b = route.nodeIds[i + 1];
    if (!map->ValidId(a) || !map->ValidId(b)) continue;
    const platform::Vector3& p = map->nodes[size_t(a)].position;
    const platform::Vector3& q = map->nodes[size_t(b)].position;
    draw->AddLine(p.x, p.y, p.z, q.x, q.y, q.z, i % 2 == 0 ? even : odd);
  }
}
