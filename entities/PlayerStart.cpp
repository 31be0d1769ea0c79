#include "entities/PlayerStart.h"

#include "player/LogicServices.h"

void PlayerStart::Describe(ClassBuilder<PlayerStart>& c) {
  c.Component(&PlayerStart::physical);
  c.Component(&PlayerStart::mapIndex);
  c.Field("physical", &PlayerStart::physical);
}

PlayerStart::PlayerStart() { physical.createActor = 0; }

PlayerStart::~PlayerStart() {
  if (LogicServices* logic = LogicServices::Get()) logic->UnregisterEntity(kClassName, *this);
}

void PlayerStart::OnCreate() {
  if (LogicServices* logic = LogicServices::Get()) logic->RegisterEntity(kClassName, *this);
}
