#include "entities/ItemSpawn.h"

#include "player/LogicServices.h"

void ItemSpawn::Describe(ClassBuilder<ItemSpawn>& c) {
  c.Component(&ItemSpawn::physical);
  c.Component(&ItemSpawn::mapIndex);
  c.Field("Pos", &ItemSpawn::physical);
  c.Field("areaName", &ItemSpawn::areaName);
  c.Field("isPlayerOnly", &ItemSpawn::isPlayerOnly);
}

ItemSpawn::ItemSpawn(const GameServices& services) : services_(services) { physical.createActor = 0; }

ItemSpawn::~ItemSpawn() {
  services_.logic.UnregisterEntity(kClassName, *this);
}

void ItemSpawn::OnCreate() {
  services_.logic.RegisterEntity(kClassName, *this);
}
