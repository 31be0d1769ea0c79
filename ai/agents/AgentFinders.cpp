#include "ai/agents/AgentFinders.h"

#include <limits>
#include <vector>

#include "ai/AIComponent.h"
#include "ai/agents/AgentWorld.h"
#include "entity/Entity.h"
#include "physics/MapIndexComp.h"
#include "physics/PhysicalComp.h"
#include "platform/core/Random.h"

namespace {

int32_t MapOf(const Entity& entity) {
  auto* map = const_cast<Entity&>(entity).Find<MapIndexComp>();
  return map ? static_cast<int32_t>(map->mapIndex) : 0;
}

}  // namespace

platform::Vector3 AgentFinders::Eye() const { return agent_.GetPosition() + platform::Vector3{0, 0, kEyeHeight}; }

bool AgentFinders::InAgentMap(const Entity& entity) const { return MapOf(entity) == agent_.GetMapIndex(); }

Entity* AgentFinders::Nearest(const std::string& className, const platform::Vector3& from,
                              const std::function<bool(Entity&)>& accept) const {
  Entity* nearest = nullptr;
  float nearestDistance = std::numeric_limits<float>::max();
  for (Entity* entity : world_.GetEntities(className)) {
    auto* physical = entity->Find<PhysicalComp>();
    if (!physical || !accept(*entity)) continue;
    const float distance = platform::Vec3LengthSq(physical->GetPosition() - from);
    if (distance < nearestDistance) {
      nearest = entity;
      nearestDistance = distance;
    }
  }
  return nearest;
}

Entity* AgentFinders::FindNearestActiveTripLaser() {
  Entity* found = Nearest("TripLaser", Eye(), [this](Entity& laser) { return world_.IsLaserActive(laser); });
  agent_.targets.tripLaser.Set(found);
  return found;
}

Entity* AgentFinders::FindVisibleItem() {
  const platform::Vector3 eye = Eye();
  Entity* found = Nearest("Item", eye, [this, &eye](Entity& item) {
    if (!world_.IsItemForThieves(item) || !InAgentMap(item)) return false;
    AgentRayHit hit;
    const platform::Vector3 toward = item.Find<PhysicalComp>()->GetPosition() - eye;
    // What the ray meets beyond the item (the wall behind it) does not hide it.
    return !world_.CastRay(eye, toward, hit) || hit.entity == &item || hit.distance >= platform::Vec3Length(toward);
  });
  agent_.targets.item.Set(found);
  return found;
}

Entity* AgentFinders::FindNearestTeleporter() {
  Entity* found = Nearest("Teleporter", agent_.GetPosition(), [this](Entity& teleporter) {
    return !world_.IsTeleporterBanned(teleporter) && world_.GetTeleporterTarget(teleporter);
  });
  agent_.targets.teleporter.Set(found);
  return found;
}

Entity* AgentFinders::FindDropoff() {
  Entity* found = Nearest("ItemDropoff", Eye(), [](Entity& dropoff) { return MapOf(dropoff) == 0; });
  agent_.targets.dropoff.Set(found);
  return found;
}

Entity* AgentFinders::FindNearestBattery() {
  Entity* found = Nearest("Battery", agent_.GetPosition(), [this](Entity& battery) { return InAgentMap(battery); });
  agent_.targets.battery.Set(found);
  return found;
}

bool AgentFinders::PickRandomItemSpawn() {
  std::vector<Entity*> spawns;
  for (Entity* spawn : world_.GetEntities("ItemSpawn")) {
    if (world_.IsSpawnOccupied(*spawn) && !world_.IsSpawnPlayerOnly(*spawn) && InAgentMap(*spawn)) spawns.push_back(spawn);
  }
  agent_.targets.spawn = EntityHandle();
  if (spawns.empty()) return false;
  agent_.targets.spawn.Set(spawns[static_cast<size_t>(platform::Random()) % spawns.size()]);
  return true;
}
