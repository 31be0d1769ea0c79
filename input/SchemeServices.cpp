#include "input/SchemeServices.h"

#include "engine/Engine.h"
#include "entity/Entity.h"
#include "input/Input.h"
#include "logic/Logic.h"

namespace SchemeServices {

bool Pressed() {
  const Input* input = Engine::Get()->GetInput();
  return input && input->GetCurrentEvent().second;
}

bool WheelUp() {
  const Input* input = Engine::Get()->GetInput();
  return input && input->GetMouseWheel() > 0;
}

Entity* Player() {
  Logic* logic = Engine::Get()->GetLogic();
  return logic ? logic->GetPlayerEntity() : nullptr;
}

void SendToPlayer(const char* message, bool value) {
  if (Entity* player = Player()) {
    MessageArgs args = MessageArgs::FromByte(value);
    player->SendMessageWithArgs(message, &args);
  }
}

void SendToPlayer(const char* message) {
  if (Entity* player = Player()) player->SendMessage(message);
}

void PassClickToGui() {}
bool IsTeleportTransitionRunning() { return false; }
bool IsInBox(Entity*) { return false; }
bool IsSwitchingGadget(Entity*) { return false; }
void SetTargetSpeed(Entity*, float) {}

}  // namespace SchemeServices
