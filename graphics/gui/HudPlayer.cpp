#include "graphics/gui/HudPlayer.h"

#include "engine/Engine.h"
#include "entity/Entity.h"
#include "graphics/Graphics.h"
#include "graphics/gui/HudSeams.h"
#include "player/PlayerInfo.h"

HudGame* CurrentHudGame() {
  Graphics* graphics = Engine::Get()->GetGraphics();
  return graphics ? graphics->GetHudGame() : nullptr;
}

Entity* HudPlayer() {
  HudGame* game = CurrentHudGame();
  return game ? game->GetPlayer() : nullptr;
}

PlayerInfo* HudPlayerInfo() {
  Entity* player = HudPlayer();
  return player ? dynamic_cast<PlayerInfo*>(player->GetComponent("PlayerInfo")) : nullptr;
}

int32_t HudCurrentGadget() {
  const auto* user = dynamic_cast<const HudGadgetUser*>(HudPlayer());
  return user ? user->GetCurrentGadget() : 0;
}
