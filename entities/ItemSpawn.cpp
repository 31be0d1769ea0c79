#include "entities/ItemSpawn.h"

#include "player/LogicServices.h"

void ItemSpawn::Describe(ClassBuilder<ItemSpawn>& c) {
  c.Component(&ItemSpawn::physical);
  c.Component(&ItemSpawn::mapIndex);
  c.Field("Pos", &ItemSpawn::physical);
  c.Field("areaName", &ItemSpawn::areaName);
  c.Field("isPlayerOnly", &ItemSpawn::isPlayerOnly);
}

ItemSpawn::ItemSpawn() { physical.createActor = 0; }

ItemSpawn::~ItemSpawn() {
  if (LogicServices* logic = LogicServices::Get()) logic->UnregisterEntity(kClassName, *this);
}

void ItemSpawn::OnCreate() {
  if (LogicServices* logic = LogicServices::Get()) logic->RegisterEntity(kClassName, *this);
}
