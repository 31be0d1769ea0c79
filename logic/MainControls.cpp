#include "logic/MainControls.h"

#include "logic/Logic.h"

void MainControls::Describe(ClassBuilder<MainControls>& c) {
  c.Component(kControlMapComponent, &MainControls::controlMap);
  c.Message("Console", &MainControls::Console);
}

void MainControls::OnCreate() { controlMap.Bind("Grave", "Console", true, false); }

void MainControls::Console() { Engine::Get()->GetLogic()->ToggleConsole(); }
