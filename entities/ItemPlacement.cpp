#include "entities/ItemPlacement.h"

#include <set>

#include "entities/Item.h"
#include "entities/ItemRecord.h"
#include "entities/ItemSpawn.h"
#include "entities/ItemStore.h"
#include "entities/ThiefInfo.h"
#include "player/EntityList.h"
#include "player/LogicServices.h"
#include "player/PlayerInfo.h"

namespace {

// The thieves' own class list; the thief's class sits beside this library, not below it.
const char* kPlayerClass = "Player";

}  // namespace

void PlaceItems(ItemStore& store, const GameServices& services) {
  const EntityList* spawns = services.logic.GetEntities(ItemSpawn::kClassName);
  if (!spawns) return;
  for (Entity& entity : *spawns) {
    auto* spawn = static_cast<ItemSpawn*>(&entity);
    ItemRecord* record = store.FindFreeItemRecord(spawn->areaName);
    if (!record) continue;
    record->placement.Set(spawn);
    SpawnItemEntity(services, *record);
  }
}

void RespawnScoredItems(const GameServices& services) {
  LogicServices& logic = services.logic;
  if (const EntityList* spawns = logic.GetEntities(ItemSpawn::kClassName))
    for (Entity& spawn : *spawns)
      if (static_cast<ItemSpawn&>(spawn).occupied) return;
  const EntityList* players = logic.GetEntities(kPlayerClass);
  if (!players) return;
  std::set<const ItemRecord*> placed;
  for (Entity& player : *players) {
    PlayerInfo* info = FindThiefInfo(&player);
    if (!info) continue;
    for (ItemRecord* record : info->deliveredItems)
      if (placed.insert(record).second) SpawnItemEntity(services, *record);
  }
}
