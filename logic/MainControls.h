#pragma once
#include "entity/EntityClass.h"
#include "input/ControlMap.h"

// The controls that work whatever scheme has the focus: the console key.
class MainControls : public EntityClass<MainControls> {
 public:
  static constexpr char kClassName[] = "MainControls";
  static void Describe(ClassBuilder<MainControls>& c);
  void OnCreate() override;

  void Console();

  ControlMap controlMap;
};
