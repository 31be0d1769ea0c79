#include "input/SchemeServices.h"

#include "engine/Engine.h"
#include "graphics/Graphics.h"
#include "input/ControlSeams.h"
#include "input/Input.h"

namespace SchemeServices {

bool WheelUp() {
  const Input* input = Engine::Get()->GetInput();
  return input && input->GetMouseWheel() > 0;
}

ControlledGame* Game() {
  const Input* input = Engine::Get()->GetInput();
  return input ? input->GetControlledGame() : nullptr;
}

Entity* Player() {
  const ControlledGame* game = Game();
  return game ? game->GetPlayerEntity() : nullptr;
}

void PassClickToGui() {
  if (Graphics* graphics = Engine::Get()->GetGraphics()) graphics->HandleGUIClick();
}
bool IsTeleportTransitionRunning() {
  const Graphics* graphics = Engine::Get()->GetGraphics();
  return graphics && graphics->IsTransitionRunning();
}

void EscapePressed() {
  if (ControlledGame* game = Game()) game->EscapePressed();
}

}  // namespace SchemeServices
