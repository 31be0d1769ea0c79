#include "input/GameControls.h"

#include "input/InputMessages.h"
#include "input/SchemeServices.h"

using namespace SchemeServices;

namespace {
constexpr float kWalkSpeed = 325.0f;
constexpr float kSneakSpeed = 99.0f;
constexpr float kRunSpeed = 500.0f;

// The thief's pace: `held` while the key is down, walking once it is up.
void HoldSpeed(bool pressed, float held) { SendToPlayer(ThiefOrder::kSetTargetSpeed, pressed ? held : kWalkSpeed); }
}  // namespace

void GameControls::Describe(ClassBuilder<GameControls>& c) {
  c.Component(&GameControls::controlMap);
  c.Message(KeyAction::kChangeMoveSpeed, &GameControls::ChangeMoveSpeed);
  c.Message(KeyAction::kScrollGadget, &GameControls::ScrollGadget);
  c.Message(KeyAction::kMoveForward, &GameControls::MoveForward);
  c.Message(KeyAction::kMoveBack, &GameControls::MoveBack);
  c.Message(KeyAction::kMoveLeft, &GameControls::MoveLeft);
  c.Message(KeyAction::kMoveRight, &GameControls::MoveRight);
  c.Message(KeyAction::kMouseLook, &GameControls::MouseLook);
  c.Message(KeyAction::kRun, &GameControls::Run);
  c.Message(KeyAction::kSneak, &GameControls::Sneak);
  c.Message(KeyAction::kWalk, &GameControls::Walk);
  c.Message(KeyAction::kGUIClick, &GameControls::GUIClick);
  c.Message(KeyAction::kTargetOrFire, &GameControls::TargetOrFire);
  c.Message(KeyAction::kUntarget, &GameControls::Untarget);
  c.Message(KeyAction::kEnterDoor, &GameControls::EnterDoor);
  c.Message(KeyAction::kEscapePressed, &GameControls::EscapePressed);
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
  controlMap.Bind("Escape", KeyAction::kEscapePressed, true, false);
  Engine::Get()->GetInputFocus()->RegisterScheme("Game", this);
}

void GameControls::ChangeMoveSpeed(bool) { SendToPlayer(ThiefOrder::kChangeMoveSpeed, WheelUp()); }

// Forward or back, and play the switch sound.
void GameControls::ScrollGadget(bool) { SendToPlayer(ThiefOrder::kScrollGadget, WheelUp(), true); }

void GameControls::MoveForward(bool pressed) { SendToPlayer(ThiefOrder::kMoveForward, pressed); }
void GameControls::MoveBack(bool pressed) { SendToPlayer(ThiefOrder::kMoveBack, pressed); }
void GameControls::MoveLeft(bool pressed) { SendToPlayer(ThiefOrder::kMoveLeft, pressed); }
void GameControls::MoveRight(bool pressed) { SendToPlayer(ThiefOrder::kMoveRight, pressed); }

void GameControls::MouseLook(bool pressed) {
  if (pressed)
    SendToPlayer(ThiefOrder::kFire);
  else
    PassClickToGui();
}

void GameControls::TargetOrFire(bool pressed) {
  if (pressed)
    SendToPlayer(ThiefOrder::kTargetOrFire);
  else
    PassClickToGui();
}

void GameControls::Run(bool pressed) { HoldSpeed(pressed, kRunSpeed); }
void GameControls::Sneak(bool pressed) { HoldSpeed(pressed, kSneakSpeed); }
void GameControls::Walk(bool pressed) { HoldSpeed(pressed, kWalkSpeed); }
void GameControls::GUIClick(bool) { PassClickToGui(); }

// The key that cancels aiming is also the run key.
void GameControls::Untarget(bool pressed) {
  Run(pressed);
  if (pressed) SendToPlayer(ThiefOrder::kUntarget);
}

void GameControls::EnterDoor(bool pressed) {
  if (pressed && !IsTeleportTransitionRunning()) SendToPlayer(ThiefOrder::kEnterDoor);
}

void GameControls::EscapePressed(bool) { SchemeServices::EscapePressed(); }
