#include "input/WinConsoleInput.h"

#include "engine/Engine.h"

void WinConsoleInput::Describe(ClassBuilder<WinConsoleInput>& c) {
  c.Component(kTextInputComponent, &WinConsoleInput::textInput);
  c.Component(kControlMapComponent, &WinConsoleInput::controlMap);
  c.Message("UpdateTextInput", &WinConsoleInput::UpdateTextInput);
  c.Message("ScrollUp", &WinConsoleInput::ScrollUp);
  c.Message("ScrollDown", &WinConsoleInput::ScrollDown);
}

void WinConsoleInput::OnCreate() {
  controlMap.Bind("Home", "ScrollUp", true, false);
  controlMap.Bind("End", "ScrollDown", true, false);
  Engine::Get()->GetInputFocus()->RegisterScheme("Console", this);
}

void WinConsoleInput::UpdateTextInput() { Engine::Get()->GetConsole()->OnChar(textInput.GetChar()); }
void WinConsoleInput::ScrollUp() { Engine::Get()->GetConsole()->Scroll(-1); }
void WinConsoleInput::ScrollDown() { Engine::Get()->GetConsole()->Scroll(1); }
