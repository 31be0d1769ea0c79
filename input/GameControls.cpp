#include "input/GameControls.h"

#include "input/SchemeServices.h"
#include "logic/Logic.h"

using namespace SchemeServices;

namespace {
constexpr float kWalkSpeed = 325.0f;
constexpr float kSneakSpeed = 99.0f;
constexpr float kRunSpeed = 500.0f;

// Sets the speed of a thief that is not hiding under its box: `held` while the key is down,
// walking once it is up.
void HoldSpeed(float held) {
  Entity* player = Player();
  if (player && !IsInBox(player)) SetTargetSpeed(player, Pressed() ? held : kWalkSpeed);
}
}  // namespace

void GameControls::Describe(ClassBuilder<GameControls>& c) {
  c.Component(kControlMapComponent, &GameControls::controlMap);
  c.Message("ChangeMoveSpeed", &GameControls::ChangeMoveSpeed);
  c.Message("ScrollGadget", &GameControls::ScrollGadget);
  c.Message("MoveForward", &GameControls::MoveForward);
  c.Message("MoveBack", &GameControls::MoveBack);
  c.Message("MoveLeft", &GameControls::MoveLeft);
  c.Message("MoveRight", &GameControls::MoveRight);
  c.Message("MouseLook", &GameControls::MouseLook);
  c.Message("Run", &GameControls::Run);
  c.Message("Sneak", &GameControls::Sneak);
  c.Message("Walk", &GameControls::Walk);
  c.Message("GUIClick", &GameControls::GUIClick);
  c.Message("TargetOrFire", &GameControls::TargetOrFire);
  c.Message("Untarget", &GameControls::Untarget);
  c.Message("EnterDoor", &GameControls::EnterDoor);
  c.Message("EscapePressed", &GameControls::EscapePressed);
}

void GameControls::OnCreate() {
  LoadControlBindings(kControlsPath, bindings);
  // Every key of the file is a level: it fires when it goes down and when it comes up.
  for (ControlBinding& record : bindings) {
    if (record.Mouse)
      controlMap.BindMouse(record.KeyName, record.Function, true, true);
    else
      controlMap.Bind(record.KeyName, record.Function, true, true);
    BindStringVariable(record.Function, &record.KeyName);
  }
  controlMap.Bind("Escape", "EscapePressed", true, false);
  Engine::Get()->GetInputFocus()->RegisterScheme("Game", this);
}

void GameControls::ChangeMoveSpeed() { SendToPlayer("ChangeMoveSpeed", WheelUp()); }

void GameControls::ScrollGadget() {
  Entity* player = Player();
  if (!player || IsSwitchingGadget(player)) return;
  // Forward or back, and play the switch sound.
  MessageArgs args = MessageArgs::FromValues(static_cast<uint8_t>(WheelUp() ? 1 : 0), static_cast<uint8_t>(1));
  player->SendMessageWithArgs("ScrollGadget", &args);
}

void GameControls::MoveForward() { SendToPlayer("MoveForward", Pressed()); }
void GameControls::MoveBack() { SendToPlayer("MoveBack", Pressed()); }
void GameControls::MoveLeft() { SendToPlayer("MoveLeft", Pressed()); }
void GameControls::MoveRight() { SendToPlayer("MoveRight", Pressed()); }

void GameControls::MouseLook() {
  if (Pressed())
    SendToPlayer("Fire");
  else
    PassClickToGui();
}

void GameControls::TargetOrFire() {
  if (Pressed())
    SendToPlayer("TargetOrFire");
  else
    PassClickToGui();
}

void GameControls::Run() { HoldSpeed(kRunSpeed); }
void GameControls::Sneak() { HoldSpeed(kSneakSpeed); }
void GameControls::Walk() { HoldSpeed(kWalkSpeed); }
void GameControls::GUIClick() { PassClickToGui(); }

// The key that cancels aiming is also the run key.
void GameControls::Untarget() {
  Run();
  if (Pressed()) SendToPlayer("Untarget");
}

void GameControls::EnterDoor() {
  if (Pressed() && !IsTeleportTransitionRunning()) SendToPlayer("EnterDoor");
}

void GameControls::EscapePressed() { Engine::Get()->GetLogic()->EscapePressed(); }
