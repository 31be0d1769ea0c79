#include "player/PlayerUserControl.h"

#include "entity/Entity.h"
#include "player/PlayerInfo.h"

bool PlayerUserControl::IsUserControlled(Entity& character) const {
  const PlayerInfo* info = character.Find<PlayerInfo>();
  return info && info->userControlled;
}
