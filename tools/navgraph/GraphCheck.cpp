#include "tools/navgraph/GraphCheck.h"

#include <deque>
#include <optional>

#include "ai/AI.h"
#include "ai/nav/AIMapData.h"
#include "ai/GuardPatrolPath.h"
#include "engine/Engine.h"
#include "entities/ItemDropoff.h"
#include "entities/ItemSpawn.h"
#include "entities/PlayerStart.h"
#include "entities/Teleporter.h"
#include "physics/MapIndexComp.h"
#include "physics/PhysicalComp.h"
#include "player/EntityList.h"
#include "player/LogicServices.h"

namespace {

// The linking distance of the graph: a node farther away is no way to a place.
constexpr float kReach = 20.0f * NODE_SPACING;

struct Place {
  std::string what;
  platform::Vector3 position;
  int32_t mapIndex;
};

std::optional<Place> PlaceOf(const std::string& what, Entity& e) {
  const PhysicalComp* physical = e.Find<PhysicalComp>();
  if (!physical) return std::nullopt;
  const MapIndexComp* map = e.Find<MapIndexComp>();
  int32_t index = map ? int32_t(map->mapIndex) : 0;
  if (const auto* marker = dynamic_cast<GuardPatrolPath*>(&e)) index = marker->mapIndex;
  return Place{what, physical->GetPosition(), index};
}

std::vector<Place> Places() {
  std::vector<Place> places;
  const LogicServices* logic = LogicServices::Get();
  for (const char* className : {ItemSpawn::kClassName, ItemDropoff::kClassName, Teleporter::kClassName, PlayerStart::kClassName}) {
    const EntityList* list = logic ? logic->GetEntities(className) : nullptr;
    if (!list) continue;
    for (Entity& e : *list) {
      if (auto place = PlaceOf(className, e)) places.push_back(*place);
    }
  }
  AI* ai = Engine::Get()->GetAI();
  for (const EntityHandle& spot : ai->GetCoverSpots()) {
    if (Entity* e = spot.Get()) {
      if (auto place = PlaceOf("CoverSpot", *e)) places.push_back(*place);
    }
  }
  for (const EntityHandle& marker : ai->GetPathSet().guardPatrolMarkers) {
    if (Entity* e = marker.Get()) {
      if (auto place = PlaceOf("GuardPatrolPath", *e)) places.push_back(*place);
    }
  }
  return places;
}

// The nearest node of the map within reach that sees the place, or -1.
int32_t NodeInSight(const AIMapData& map, const platform::Vector3& at) {
  int32_t best = -1;
  float bestDistance = kReach * kReach;
  for (const AINode& node : map.nodes) {
    const float d = platform::Vec3LengthSq(node.position - at);
    if (d <= bestDistance && map.World().SeesPoint(node.position, at)) {
      best = node.id;
      bestDistance = d;
    }
  }
  return best;
}

std::vector<bool> Reachable(const AIMapData& map, int32_t from) {
  std::vector<bool> seen(map.nodes.size(), false);
  std::deque<int32_t> open{from};
  seen[size_t(from)] = true;
  while (!open.empty()) {
    const int32_t at = open.front();
    open.pop_front();
    for (int32_t next : map.nodes[size_t(at)].neighbours) {
      if (map.ValidId(next) && !seen[size_t(next)]) {
        seen[size_t(next)] = true;
        open.push_back(next);
      }
    }
  }
  return seen;
}

std::string Where(const Place& p) {
  return p.what + " at (" + std::to_string(int(p.position.x)) + ", " + std::to_string(int(p.position.y)) + ", " +
         std::to_string(int(p.position.z)) + ")";
}

}  // namespace

std::vector<std::string> CheckNavigation() {
  std::vector<std::string> faults;
  AI* ai = Engine::Get()->GetAI();
  if (!ai || ai->GetMapCount() == 0) return {"no map was loaded"};
  // Per map, the first place's node: every other place's node must be reached from it.
  std::vector<std::vector<bool>> reached(ai->GetMapCount());
  for (const Place& place : Places()) {
    const AIMapData* map = ai->GetMapData(place.mapIndex);
    if (!map) {
      faults.push_back(Where(place) + ": its map index " + std::to_string(place.mapIndex) + " names no loaded map");
      continue;
    }
    const int32_t node = NodeInSight(*map, place.position);
    if (node < 0) {
      faults.push_back(map->MapName() + ": " + Where(place) + " has no node in sight within " + std::to_string(int(kReach)));
      continue;
    }
    std::vector<bool>& seen = reached[size_t(place.mapIndex)];
    if (seen.empty()) seen = Reachable(*map, node);
    if (!seen[size_t(node)]) faults.push_back(map->MapName() + ": " + Where(place) + " is not connected to the map's other places");
  }
  return faults;
}
