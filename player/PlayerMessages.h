#pragma once
#include <cstdint>

// The frame, the touches, the model passes and the controls' orders to the thief (ThiefOrder)
// are declared by the systems that send them.
#include "entity/EntityMessages.h"
#include "graphics/GraphicsMessages.h"
#include "input/InputMessages.h"
#include "physics/PhysicsMessages.h"

class Entity;

// The messages a thief, its gadgets and the pickups answer to, beside the controls' orders.

// The thief ("Player").
inline constexpr Message<bool> kMouseLook{"MouseLook"};
// The guard that touched the thief; the thief decides whether that is a bust.
inline constexpr Message<Entity*> kGuardTouch{"GuardTouch"};
inline constexpr Message<bool> kSetActivePlayer{"SetActivePlayer"};
// Fires the current gadget; also the gadget's own order to fire.
inline constexpr Message<> kFire{"Fire"};
// Money for an item delivered.
inline constexpr Message<int> kScore{"Score"};
// A gadget entity to carry, appended after those already held.
inline constexpr Message<Entity*> kGetGadget{"GetGadget"};
// The gadget index to make current; out of range is ignored.
inline constexpr Message<int> kSwitchGadget{"SwitchGadget"};
// A pickup taken.
inline constexpr Message<> kGetBattery{"GetBattery"};
inline constexpr Message<> kGetBox{"GetBox"};
inline constexpr Message<> kGetSmoke{"GetSmoke"};
inline constexpr Message<> kEnterTeleporter{"EnterTeleporter"};
// Caught: drop what is carried and go back to a start.
inline constexpr Message<> kDoBust{"DoBust"};

// Gadget entities: the thief that holds it.
inline constexpr Message<Entity*> kAssignPlayer{"AssignPlayer"};
inline constexpr Message<> kStopFire{"StopFire"};

// Spawn points and launched entities.
inline constexpr Message<> kRespawn{"Respawn"};
inline constexpr Message<> kDestroy{"Destroy"};

// What a tased entity without an AI is sent: seconds to stay off (a trip laser).
inline constexpr Message<float> kDisable{"Disable"};
// To a teleporter half a second after a thief entered it, carrying that thief's id: the thief
// may be gone by then.
inline constexpr Message<uint32_t> kTeleport{"Teleport"};
