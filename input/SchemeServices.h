#pragma once
#include <type_traits>

#include "entity/Entity.h"

class ControlledGame;

// What the control schemes ask of the game around them: the wheel, the thief under control,
// and the GUI, screen transitions and game flow that other systems own.
namespace SchemeServices {

// The wheel turned up in this frame (no movement counts as down).
bool WheelUp();
// The game the schemes serve; null until the game logic hands itself to the input system.
ControlledGame* Game();
// The thief under control, looked up afresh; null outside a game.
Entity* Player();
// Sends the thief under control a message, when there is one.
template <class... A>
void SendToPlayer(const Message<A...>& message, const std::type_identity_t<A>&... values) {
  if (Entity* player = Player()) player->Send(message, values...);
}

// A GUI click (Graphics::HandleGUIClick).
void PassClickToGui();
// The screen transition of a teleport is on show; none runs without a graphics system.
bool IsTeleportTransitionRunning();
// Escape, handed to the game.
void EscapePressed();

}  // namespace SchemeServices
