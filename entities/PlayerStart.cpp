#include "entities/PlayerStart.h"

#include "player/LogicServices.h"

void PlayerStart::Describe(ClassBuilder<PlayerStart>& c) {
  c.Component("Physical", &PlayerStart::physical);
  c.Component("MapIndexComp", &PlayerStart::mapIndex);
  c.Field("physical", &PlayerStart::physical);
}

PlayerStart::PlayerStart() { physical.createActor = 0; }

PlayerStart::~PlayerStart() {
  if (LogicServices* logic = LogicServices::Get()) logic->UnregisterEntity(kClassName, *this);
}

void PlayerStart::OnCreate() {
  if (LogicServices* logic = LogicServices::Get()) logic->RegisterEntity(kClassName, *this);
}
