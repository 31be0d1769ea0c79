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

// A GUI click (Graphics::HandleGUIClick). The graphics system has no teleport transition yet:
// until it has, none runs.
void PassClickToGui();
bool IsTeleportTransitionRunning();
// The thief's "PlayerInfo": hiding under its box, showing a gadget switch. False without one.
bool IsInBox(Entity* player);
bool IsSwitchingGadget(Entity* player);
// The speed the thief's "PlayerPhysics" moves towards; nothing without one.
void SetTargetSpeed(Entity* player, float speed);

}  // namespace SchemeServices
