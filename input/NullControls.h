#pragma once
#include "entity/EntityClass.h"
#include "input/ControlMap.h"

// The control scheme whenever no thief is steered ("Null"): at start-up, in the menus, during a
// map's camera fly-through and after Escape in game. Left clicks go to the GUI, Escape to the
// game, and any key ends a running fly-through.
class NullControls : public EntityClass<NullControls> {
 public:
  static constexpr char kClassName[] = "NullControls";
  static void Describe(ClassBuilder<NullControls>& c);
  void OnCreate() override;

  void Click(bool pressed);
  void OnUpdate();
  void EscapePressed(bool pressed);

  ControlMap controlMap;
};
