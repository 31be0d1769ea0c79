#include "entities/ThiefInfo.h"

#include "entity/Entity.h"
#include "physics/PhysicalComp.h"
#include "player/PlayerInfo.h"

PlayerInfo* FindThiefInfo(Entity* entity) {
  auto* info = entity ? dynamic_cast<PlayerInfo*>(entity->GetComponent("PlayerInfo")) : nullptr;
  return info && info->kind == "thief" ? info : nullptr;
}

PhysicalComp* FindPhysical(Entity* entity) {
  return entity ? dynamic_cast<PhysicalComp*>(entity->GetComponent("Physical")) : nullptr;
}
