#include "ai/agents/ThiefBrain.h"

#include <limits>

#include "ai/AIComponent.h"
#include "ai/AIConfig.h"
#include "ai/agents/ActionExecutor.h"
#include "ai/agents/AgentFinders.h"
#include "ai/agents/AgentPerception.h"
#include "ai/agents/AgentRoster.h"
#include "ai/agents/AgentWorld.h"
#include "entity/Entity.h"
#include "physics/MapIndexComp.h"
#include "physics/PhysicalComp.h"
#include "platform/core/Random.h"

namespace {

float DistanceSq(const AIComponent& agent, Entity& other) {
  auto* physical = other.Find<PhysicalComp>();
  if (!physical) return std::numeric_limits<float>::max();
  return platform::Vec3LengthSq(physical->GetPosition() - agent.GetPosition());
}

int32_t MapOf(Entity& entity) {
  auto* map = entity.Find<MapIndexComp>();
  return map ? static_cast<int32_t>(map->mapIndex) : 0;
}

// The maps whose teleporters lead on to another one.
bool IsChainMap(const std::string& mapName) { return ActionExecutor::IsConfinedMap(mapName) && mapName != "outside.bsp"; }

}  // namespace

Entity* ThiefBrain::NextTarget(float) {
  Entity* nearest = nullptr;
  float nearestDistance = std::numeric_limits<float>::max();
  const int32_t map = agent->GetMapIndex();
  for (const EntityHandle& handle : searchList) {
    Entity* place = handle.Get();
    if (!place || (map != 0 && MapOf(*place) != map)) continue;
    const float distance = DistanceSq(*agent, *place);
    if (distance < nearestDistance) {
      nearest = place;
      nearestDistance = distance;
    }
  }
  if (nearest) {
    RemoveTarget(*nearest);
  } else if (searchList.empty()) {
    Reset();
  }
  return nearest;
}

void ThiefBrain::RemoveTarget(const Entity& entity) {
  for (auto it = searchList.begin(); it != searchList.end(); ++it) {
    if (it->Id() == entity.GetId()) {
      searchList.erase(it);
      return;
    }
  }
}

void ThiefBrain::Reset() {
  searchList.clear();
  AgentRoster* roster = agent->Roster();
  AgentWorld* world = roster ? roster->GetWorld() : nullptr;
  if (!world) return;
  for (size_t i = 0; i < roster->GetCoverSpots().size(); i += kCoverSpotStride) searchList.push_back(roster->GetCoverSpots()[i]);
  for (Entity* spawn : world->GetEntities("ItemSpawn")) {
    if (!world->IsSpawnPlayerOnly(*spawn)) searchList.emplace_back(spawn);
  }
}

void ThiefBrain::OnTeleport() {
  AgentRoster* roster = agent->Roster();
  AgentWorld* world = roster ? roster->GetWorld() : nullptr;
  Entity* teleporter = world ? world->GetTouchedTeleporter(*agent->owner) : nullptr;
  if (!teleporter) return;
  const int32_t from = agent->GetMapIndex();
  world->Teleport(*teleporter, *agent->owner);
  Entity* target = world->GetTeleporterTarget(*teleporter);
  if (!target || agent->GetMapIndex() == from || agent->owner == world->GetControlledPlayer()) return;
  const std::string followOn = world->GetFollowOnName(*target);
  if (!IsChainMap(roster->GetMapName(agent->GetMapIndex())) || followOn.empty()) return;
  for (Entity* next : world->GetEntities("Teleporter")) {
    if (world->GetTeleporterName(*next) != followOn) continue;
    agent->route->PlanTo(*next);
    agent->route->teleportOnArrival = 1;
    return;
  }
}

void ThiefBrain::Think(float, AgentRoute&) {
  AgentRoster* roster = agent->Roster();
  AgentWorld* world = roster ? roster->GetWorld() : nullptr;
  if (!world) return;
  if (roster->Config().AvoidGuards) AgentPerception(*agent, *roster, *world).Look();
  FaceRival(*roster, *world);
  if (FaceGuard(*roster, *world)) return;
  const bool carrying = world->CarriesItem(*agent->owner);
  if (agent->GetStateName() == "drop off") return;
  if (carrying) {
    agent->SetActionSet("drop off", 0.0f, AgentFinders(*agent, *world).FindDropoff());
    agent->lastTeleporterTarget = EntityHandle();
  } else {
    ChooseGoal();
  }
}

void ThiefBrain::FaceRival(AgentRoster&, AgentWorld& world) {
  Entity* rival = agent->targets.seenThief.Get();
  if (agent->GetStateName() != "avoid" || !rival || world.IsInBox(*rival)) return;
  if (agent->physical && agent->physical->frozen) return;
  if (platform::Random() % 7 != 3) return;
  if (MapOf(*rival) == agent->GetMapIndex() && DistanceSq(*agent, *rival) <= kFightReachSq) {
    agent->SetActionSet("disable", 0.0f, rival);
  }
}

bool ThiefBrain::FaceGuard(AgentRoster& roster, AgentWorld& world) {
  Entity* guard = agent->targets.seenGuard.Get();
  if (!guard || !roster.Config().AvoidGuards) return false;
  const float distance = DistanceSq(*agent, *guard);
  if (distance < kBoxReachSq && world.GetBoxes(*agent->owner) != 0) {
    agent->SetActionSet("use box", -1.0f, nullptr);
    return true;
  }
  if (distance <= kFightReachSq) {
    agent->SetActionSet("disable", 0.0f, guard);
  } else {
    agent->SetActionSet("avoid", -1.0f, nullptr);
  }
  return false;
}

void ThiefBrain::ChooseGoal() {
  AgentRoster* roster = agent->Roster();
  AgentWorld* world = roster ? roster->GetWorld() : nullptr;
  if (!world) return;
  AgentFinders finders(*agent, *world);
  const std::string& state = agent->GetStateName();
  const std::string& last = agent->lastAction.Name;
  const float stealReachSq = roster->Config().ITEM_STEAL_RADIUS * roster->Config().ITEM_STEAL_RADIUS;
  const float laserReachSq = roster->Config().TRIP_DISABLE_RADIUS * roster->Config().TRIP_DISABLE_RADIUS;
  if (!agent->targets.item.Get() && state != "obtain" && last != "obtain") {
    Entity* item = finders.FindVisibleItem();
    if (item && DistanceSq(*agent, *item) < stealReachSq) {
      agent->SetActionSet("obtain", 0.0f, item);
      return;
    }
  }
  Entity* player = world->GetControlledPlayer();
  const bool inUserMap = player && MapOf(*player) == agent->GetMapIndex();
  const int32_t battery = world->GetBattery(*agent->owner);
  if (inUserMap && !agent->targets.tripLaser.Get() && state != "disable" && last != "disable") {
    Entity* laser = finders.FindNearestActiveTripLaser();
    if (laser && battery > kLaserBatteryMin && DistanceSq(*agent, *laser) < laserReachSq) {
      agent->SetActionSet("disable", 0.0f, laser);
      return;
    }
  }
  if (!agent->targets.battery.Get() && state != "battery" && battery < kBatteryTopUp) {
    Entity* pickup = finders.FindNearestBattery();
    if (pickup && DistanceSq(*agent, *pickup) < laserReachSq) agent->SetActionSet("battery", 0.0f, pickup);
  }
}
