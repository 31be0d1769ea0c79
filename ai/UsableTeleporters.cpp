#include "ai/UsableTeleporters.h"

#include "ai/agents/AgentWorld.h"
#include "entity/Entity.h"
#include "physics/MapIndexComp.h"
#include "physics/PhysicalComp.h"

namespace {

// Where an entity stands and in which map; false when it has no body or no map.
bool PlaceOf(Entity& entity, platform::Vector3& position, int32_t& mapIndex) {
  auto* body = entity.Find<PhysicalComp>();
  auto* map = entity.Find<MapIndexComp>();
  if (!body || !map) return false;
  position = body->GetPosition();
  mapIndex = int32_t(map->mapIndex);
  return true;
}

}  // namespace

std::vector<TeleporterEnds> UsableTeleporters(const AgentWorld& world) {
  std::vector<TeleporterEnds> usable;
  for (Entity* teleporter : world.GetEntities("Teleporter")) {
    Entity* target = world.GetTeleporterTarget(*teleporter);
    if (!target || world.IsTeleporterBanned(*teleporter)) continue;
    TeleporterEnds ends;
    ends.teleporter = teleporter;
    if (PlaceOf(*teleporter, ends.position, ends.mapIndex) && PlaceOf(*target, ends.targetPosition, ends.targetMapIndex))
      usable.push_back(ends);
  }
  return usable;
}
