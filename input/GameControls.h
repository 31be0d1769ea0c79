#pragma once
#include "entity/EntityClass.h"
#include "input/ControlBindings.h"
#include "input/ControlMap.h"

// The control scheme of normal play ("Game"): its keys come from "Data/Controls.xml"; it moves
// the thief under control, fires and switches its gadgets, sets its speed, passes clicks to the
// GUI and hands Escape to the game logic.
class GameControls : public EntityClass<GameControls> {
 public:
  static constexpr char kClassName[] = "GameControls";
  static void Describe(ClassBuilder<GameControls>& c);
  void OnCreate() override;

  void ChangeMoveSpeed();
  void ScrollGadget();
  void MoveForward();
  void MoveBack();
  void MoveLeft();
  void MoveRight();
  void MouseLook();
  void Run();
  void Sneak();
  void Walk();
  void GUIClick();
  void TargetOrFire();
  void Untarget();
  void EnterDoor();
  void EscapePressed();

  // Also the console variables named after the actions, which show their keys.
  ControlBindingList bindings;
  ControlMap controlMap;
};
