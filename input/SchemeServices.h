#pragma once

class Entity;

// What the control schemes ask of the game around them: the press or release being
// dispatched, the thief under control, and the GUI, screen transitions and thief state that
// other systems own.
namespace SchemeServices {

// Whether the event being dispatched is a press.
bool Pressed();
// The wheel turned up in this frame (no movement counts as down).
bool WheelUp();
// The thief under control, looked up afresh; null outside a game.
Entity* Player();
// Sends the player a message with a byte argument, when there is a player.
void SendToPlayer(const char* message, bool value);
// Sends the player a message without arguments, when there is a player.
void SendToPlayer(const char* message);

// The graphics system has no GUI screens and no teleport transition yet, and the thief has no
// movement or gadget state: until they exist a click goes nowhere, no transition runs, no thief
// is in its box or switching gadgets, and there is no target speed to set.
void PassClickToGui();
bool IsTeleportTransitionRunning();
bool IsInBox(Entity* player);
bool IsSwitchingGadget(Entity* player);
void SetTargetSpeed(Entity* player, float speed);

}  // namespace SchemeServices
