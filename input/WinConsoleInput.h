#pragma once
#include "entity/EntityClass.h"
#include "input/ControlMap.h"
#include "input/TextInput.h"

// Feeds the in-game console: typed characters and the scroll keys, while the "Console"
// control scheme has the focus.
class WinConsoleInput : public EntityClass<WinConsoleInput> {
 public:
  static constexpr char kClassName[] = "WinConsoleInput";
  static void Describe(ClassBuilder<WinConsoleInput>& c);
  void OnCreate() override;

  void UpdateTextInput();
  void ScrollUp();
  void ScrollDown();

  TextInput textInput;
  ControlMap controlMap;
};
