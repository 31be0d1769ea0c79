#include "input/NullControls.h"

#include "input/Input.h"
#include "input/SchemeServices.h"
#include "logic/Logic.h"

void NullControls::Describe(ClassBuilder<NullControls>& c) {
  c.Component(kControlMapComponent, &NullControls::controlMap);
  c.Message("Click", &NullControls::Click);
  c.Message("OnUpdate", &NullControls::OnUpdate);
  c.Message("EscapePressed", &NullControls::EscapePressed);
}

void NullControls::OnCreate() {
  Engine* engine = Engine::Get();
  engine->GetMessageQueue()->RegisterUpdate(this);
  engine->GetInputFocus()->RegisterScheme("Null", this);
  controlMap.BindMouse("M1", "Click", true, true);
  controlMap.Bind("Escape", "EscapePressed", true, false);
}

// A GUI click is the release of the button, not its press.
void NullControls::Click() {
  if (!SchemeServices::Pressed()) SchemeServices::PassClickToGui();
}

// Runs whatever scheme has the focus; the logic ends only a fly-through that is running.
void NullControls::OnUpdate() {
  const Input* input = Engine::Get()->GetInput();
  if (input && input->AnyKey()) Engine::Get()->GetLogic()->EndMapFlyThrough();
}

void NullControls::EscapePressed() { Engine::Get()->GetLogic()->EscapePressed(); }
