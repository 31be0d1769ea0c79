#include "input/NullControls.h"

#include "entity/EntityMessages.h"
#include "input/ControlSeams.h"
#include "input/Input.h"
#include "input/InputMessages.h"
#include "input/SchemeServices.h"

void NullControls::Describe(ClassBuilder<NullControls>& c) {
  c.Component(&NullControls::controlMap);
  c.Message(KeyAction::kClick, &NullControls::Click);
  c.Message(kOnUpdate, &NullControls::OnUpdate);
  c.Message(KeyAction::kEscapePressed, &NullControls::EscapePressed);
}

void NullControls::OnCreate() {
  Engine* engine = Engine::Get();
  engine->GetMessageQueue()->RegisterUpdate(this);
  engine->GetInputFocus()->RegisterScheme("Null", this);
  controlMap.BindMouse("M1", KeyAction::kClick, true, true);
  controlMap.Bind("Escape", KeyAction::kEscapePressed, true, false);
}

// A GUI click is the release of the button, not its press.
void NullControls::Click(bool pressed) {
  if (!pressed) SchemeServices::PassClickToGui();
}

// Runs whatever scheme has the focus; the game ends only a fly-through that is running.
void NullControls::OnUpdate() {
  const Input* input = Engine::Get()->GetInput();
  ControlledGame* game = SchemeServices::Game();
  if (input && input->AnyKey() && game) game->EndMapFlyThrough();
}

void NullControls::EscapePressed(bool) { SchemeServices::EscapePressed(); }
