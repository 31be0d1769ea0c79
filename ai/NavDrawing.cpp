#include "ai/NavDrawing.h"

#include "ai/AI.h"
#include "ai/nav/AIMapData.h"
#include "ai/nav/AIRoute.h"
#include "engine/Engine.h"
#include "graphics/DebugDraw.h"
#include "graphics/Graphics.h"

namespace {

constexpr float kDefaultDrawSize = 10.0f;
constexpr uint32_t kNodeColour = 0xFFFFFF00;
constexpr uint32_t kLinkColour = 0xFFFFFFFF;
// Routes of maps beyond this index are not drawn.
constexpr int32_t kLastDrawnMap = 10;

DebugDraw* Drawing() {
  Graphics* graphics = Engine::Get()->GetGraphics();
  return graphics ? graphics->GetDebugDraw() : nullptr;
}

}  // namespace

void DrawGraph(const AIMapData& map) {
  DebugDraw* draw = Drawing();
  if (!draw) return;
  for (const AINode& node : map.nodes) {
    if (node.deleted) continue;
    const float size = node.drawSize ? float(node.drawSize) : kDefaultDrawSize;
    draw->AddBox(node.position.x, node.position.y, node.position.z, size, size, size, 1.0f, 0.0f, 0.0f, 0.0f,
                 kNodeColour);
  }
  for (const AINode& node : map.nodes) {
    if (node.deleted || node.excluded) continue;
    for (int32_t id : node.neighbours) {
      if (!map.ValidId(id) || map.nodes[size_t(id)].deleted) continue;
      const platform::Vector3& to = map.nodes[size_t(id)].position;
      draw->AddLine(node.position.x, node.position.y, node.position.z, to.x, to.y, to.z, kLinkColour);
    }
  }
}

void DrawRoute(const AIRoute& route) {
  if (route.mapIndex < 0 || route.mapIndex > kLastDrawnMap) return;
  DrawRouteLines(route, route.mapIndex, 0xffffffff, 0xffff0000);
}

void DrawRouteLines(const AIRoute& route, int32_t mapIndex, uint32_t even, uint32_t odd) {
  DebugDraw* draw = Drawing();
  const AI* ai = Engine::Get()->GetAI();
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
