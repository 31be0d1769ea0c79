#include "ai/TeleporterEnds.h"

#include "entities/Teleporter.h"
#include "player/EntityList.h"
#include "player/LogicServices.h"

std::vector<TeleporterEnds> UsableTeleporters() {
  std::vector<TeleporterEnds> usable;
  const LogicServices* logic = LogicServices::Get();
  const EntityList* teleporters = logic ? logic->GetEntities(Teleporter::kClassName) : nullptr;
  if (!teleporters) return usable;
  for (Entity& e : *teleporters) {
    auto* teleporter = dynamic_cast<Teleporter*>(&e);
    Entity* target = teleporter ? teleporter->GetTarget() : nullptr;
    if (!target || teleporter->banned) continue;
    auto* targetBody = target->Find<PhysicalComp>();
    auto* targetMap = target->Find<MapIndexComp>();
    if (!targetBody || !targetMap) continue;
    usable.push_back({teleporter, teleporter->physical.GetPosition(), int32_t(teleporter->mapIndex.mapIndex),
                      targetBody->GetPosition(), int32_t(targetMap->mapIndex)});
  }
  return usable;
}
