#include "logic/GameFlow.h"

#include "engine/Engine.h"
#include "graphics/gui/HUDAnimation.h"
#include "logic/GameComponents.h"
#include "logic/Logic.h"
#include "logic/LogicGui.h"
#include "logic/LogicMessages.h"
#include "player/PlayerMessages.h"
#include "graphics/gui/GUISpriteElement.h"
#include "sound/Sound.h"
#include "graphics/Graphics.h"

namespace {
constexpr int32_t kBustedRate = 15;
}  // namespace

void GameFlow::Busted() {
  if (GUISpriteElement* sprite = LogicGui::FindSprite("Busted")) {
    sprite->FPS = kBustedRate;
    sprite->SetPosition(376, 282);
  }
  logic_.PostGameCommand(kHideBusted, 3.5f);
  logic_.SetRoundOver(true);
  busted_ = true;
  Graphics* graphics = engine_.GetGraphics();
  if (graphics && graphics->GetAnimationList()) graphics->GetAnimationList()->AddBusted();
}

void GameFlow::HideBusted() {
  LogicGui::SetSpriteRate("Busted", 0);
  LogicGui::HideSprite("Busted");
  logic_.SetRoundOver(false);
  busted_ = false;
  if (Entity* player = logic_.GetPlayerEntity()) player->Send(kDoBust);
}

void GameFlow::GetItem() {
  if (GUISpriteElement* hint = LogicGui::FindSprite("OutsideToScore")) hint->SetPosition(0, 282);
  logic_.PostGameCommand(kHideItem, 4.0f);
}

void GameFlow::HideItem() { LogicGui::HideSprite("OutsideToScore"); }
void GameFlow::DropOffItem() { LogicGui::HideSprite("Item"); }
void GameFlow::Alarm() { logic_.PostGameCommand(kAlarmOff, 5.0f); }
void GameFlow::AlarmOff() { SetVariable("AlarmOn", false); }

void GameFlow::UnfreezeEntity(uint32_t id) {
  Entity* entity = engine_.GetEntityManager()->FindEntity(id);
  if (PhysicalComp* physical = entity ? FindPhysical(*entity) : nullptr) physical->RequestUnfreeze();
}

void GameFlow::ToggleInGameMenu() {
  Engine& engine = engine_;
  const bool shown = !logic_.IsInGameMenu();
  logic_.SetInGameMenu(shown);
  engine.GetTimer()->SetPaused(shown);
  LogicGui::ChangeScreen(shown ? "InGame" : "HUD", 0.0f);
  logic_.UseControls(shown ? "Null" : "Game");
  if (Sound* sound = engine.GetSound()) sound->Play2D("click");
}

void GameFlow::EndSession() { logic_.ReturnToMainMenu(); }

void GameFlow::ExitFromGame() {
  EndSession();
  LogicGui::ChangeScreen("Credits", 0.0f);
}
