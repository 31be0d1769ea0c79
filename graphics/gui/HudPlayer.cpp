#include "graphics/gui/HudPlayer.h"

#include "engine/Engine.h"
#include "entity/Entity.h"
#include "graphics/Graphics.h"
#include "graphics/gui/HudSeams.h"

HudGame* CurrentHudGame() {
  Graphics* graphics = Engine::Get()->GetGraphics();
  return graphics ? graphics->GetHudGame() : nullptr;
}

Entity* HudPlayer() {
  HudGame* game = CurrentHudGame();
  return game ? game->GetPlayer() : nullptr;
}

HudGadgetUser* HudThief() { return dynamic_cast<HudGadgetUser*>(HudPlayer()); }

int32_t HudCurrentGadget() {
  const HudGadgetUser* thief = HudThief();
  return thief ? thief->GetCurrentGadget() : 0;
}
