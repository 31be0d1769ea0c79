#pragma once
#include "entity/EntityClass.h"
#include "input/ControlBindings.h"
#include "input/ControlMap.h"

// The control scheme of normal play ("Game"): its keys come from "Data/Controls.xml"; it moves
// the thief under control, fires and switches its gadgets, sets its pace, passes clicks to the
// GUI and hands Escape to the game. Each handler gets whether its key went down.
class GameControls : public EntityClass<GameControls> {
 public:
  static constexpr char kClassName[] = "GameControls";
  static void Describe(ClassBuilder<GameControls>& c);
  void OnCreate() override;

  void ChangeMoveSpeed(bool pressed);
  void ScrollGadget(bool pressed);
  void MoveForward(bool pressed);
  void MoveBack(bool pressed);
  void MoveLeft(bool pressed);
  void MoveRight(bool pressed);
  void MouseLook(bool pressed);
  void Run(bool pressed);
  void Sneak(bool pressed);
  void Walk(bool pressed);
  void GUIClick(bool pressed);
  void TargetOrFire(bool pressed);
  void Untarget(bool pressed);
  void EnterDoor(bool pressed);
  void EscapePressed(bool pressed);

  // Also the console variables named after the actions, which show their keys.
  ControlBindingList bindings;
  ControlMap controlMap;
};
