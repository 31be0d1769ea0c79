#include "logic/MainControls.h"

#include "logic/Logic.h"
#include "logic/LogicMessages.h"

void MainControls::Describe(ClassBuilder<MainControls>& c) {
  c.Component(&MainControls::controlMap);
  c.Message(kConsole, &MainControls::Console);
}

void MainControls::OnCreate() { controlMap.Bind("Grave", kConsole, true, false); }

void MainControls::Console() { logic_.ToggleConsole(); }
