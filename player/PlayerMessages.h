#pragma once
// The frame, the touches and the model passes are declared by the systems that send them.
#include "entity/EntityMessages.h"
#include "graphics/GraphicsMessages.h"
#include "physics/PhysicsMessages.h"

// The messages a thief, its gadgets and the pickups answer to, named once for the class tables
// and for every sender.

// The thief ("Player").
inline constexpr char kMoveForward[] = "MoveForward";
inline constexpr char kMoveBack[] = "MoveBack";
inline constexpr char kMoveLeft[] = "MoveLeft";
inline constexpr char kMoveRight[] = "MoveRight";
inline constexpr char kMouseLook[] = "MouseLook";
inline constexpr char kGuardTouch[] = "GuardTouch";
inline constexpr char kSetActivePlayer[] = "SetActivePlayer";
inline constexpr char kFire[] = "Fire";
inline constexpr char kScore[] = "Score";
inline constexpr char kGetGadget[] = "GetGadget";
inline constexpr char kScrollGadget[] = "ScrollGadget";
inline constexpr char kSwitchGadget[] = "SwitchGadget";
inline constexpr char kGetBattery[] = "GetBattery";
inline constexpr char kGetBox[] = "GetBox";
inline constexpr char kGetSmoke[] = "GetSmoke";
inline constexpr char kEnterTeleporter[] = "EnterTeleporter";
inline constexpr char kChangeMoveSpeed[] = "ChangeMoveSpeed";
inline constexpr char kSetTargetSpeed[] = "SetTargetSpeed";
inline constexpr char kTargetOrFire[] = "TargetOrFire";
inline constexpr char kUntarget[] = "Untarget";
inline constexpr char kEnterDoor[] = "EnterDoor";
inline constexpr char kDoBust[] = "DoBust";

// Gadget entities.
inline constexpr char kAssignPlayer[] = "AssignPlayer";
inline constexpr char kStopFire[] = "StopFire";

// Spawn points and launched entities.
inline constexpr char kRespawn[] = "Respawn";
inline constexpr char kDestroy[] = "Destroy";

// What a tased entity without an AI is sent: seconds to stay off (a trip laser).
inline constexpr char kDisable[] = "Disable";
// To a teleporter, carrying the id of the thief to move, half a second after it entered.
inline constexpr char kTeleport[] = "Teleport";

