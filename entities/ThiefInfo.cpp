#include "entities/ThiefInfo.h"

#include "entity/Entity.h"
#include "physics/PhysicalComp.h"
#include "player/PlayerInfo.h"

PlayerInfo* FindThiefInfo(Entity* entity) {
  auto* info = entity ? entity->Find<PlayerInfo>() : nullptr;
  return info && info->kind == "thief" ? info : nullptr;
}

PhysicalComp* FindPhysical(Entity* entity) {
  return entity ? entity->Find<PhysicalComp>() : nullptr;
}
