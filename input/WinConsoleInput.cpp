#include "input/WinConsoleInput.h"

#include "engine/Engine.h"
#include "engine/EngineMessages.h"

void WinConsoleInput::Describe(ClassBuilder<WinConsoleInput>& c) {
  c.Component(&WinConsoleInput::textInput);
  c.Component(&WinConsoleInput::controlMap);
  c.Message(kUpdateTextInput, &WinConsoleInput::UpdateTextInput);
  c.Message(kScrollUp, &WinConsoleInput::ScrollUp);
  c.Message(kScrollDown, &WinConsoleInput::ScrollDown);
}

void WinConsoleInput::OnCreate() {
  controlMap.Bind("Home", kScrollUp, true, false);
  controlMap.Bind("End", kScrollDown, true, false);
  Engine::Get()->GetInputFocus()->RegisterScheme("Console", this);
}

void WinConsoleInput::UpdateTextInput() { Engine::Get()->GetConsole()->OnChar(textInput.GetChar()); }
void WinConsoleInput::ScrollUp() { Engine::Get()->GetConsole()->Scroll(-1); }
void WinConsoleInput::ScrollDown() { Engine::Get()->GetConsole()->Scroll(1); }
