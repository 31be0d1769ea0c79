#include "input/SchemeServices.h"

#include "engine/Engine.h"
#include "entity/Entity.h"
#include "graphics/Graphics.h"
#include "input/Input.h"
#include "logic/Logic.h"
#include "physics/PlayerPhysics.h"
#include "player/PlayerInfo.h"

namespace {
template <class C>
C* ComponentOf(Entity* entity, const char* name) {
  return entity ? dynamic_cast<C*>(entity->GetComponent(name)) : nullptr;
}
}  // namespace

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

void PassClickToGui() {
  if (Graphics* graphics = Engine::Get()->GetGraphics()) graphics->HandleGUIClick();
}
bool IsTeleportTransitionRunning() { return false; }

bool IsInBox(Entity* player) {
  const PlayerInfo* info = ComponentOf<PlayerInfo>(player, "PlayerInfo");
  return info && info->inBox;
}

bool IsSwitchingGadget(Entity* player) {
  const PlayerInfo* info = ComponentOf<PlayerInfo>(player, "PlayerInfo");
  return info && info->switchingGadget;
}

void SetTargetSpeed(Entity* player, float speed) {
  if (PlayerPhysics* physics = ComponentOf<PlayerPhysics>(player, "PlayerPhysics")) physics->targetSpeed = speed;
}

}  // namespace SchemeServices
