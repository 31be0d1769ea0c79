#pragma once
#include "entity/EntityClass.h"
#include "input/ControlMap.h"

class Logic;

// The controls that work whatever scheme has the focus: the console key.
class MainControls : public EntityClass<MainControls> {
 public:
  static constexpr char kClassName[] = "MainControls";
  static void Describe(ClassBuilder<MainControls>& c);
  explicit MainControls(Logic& logic) : logic_(logic) {}
  void OnCreate() override;

  void Console();

  ControlMap controlMap;

 private:
  Logic& logic_;
};
