#pragma once
#include "entity/Message.h"

// What a control map fires at its scheme: the actions named by the bindings file (and by the
// schemes' own fixed keys), each carrying whether its key went down.
namespace KeyAction {
inline constexpr Message<bool> kChangeMoveSpeed{"ChangeMoveSpeed"};
inline constexpr Message<bool> kScrollGadget{"ScrollGadget"};
inline constexpr Message<bool> kMoveForward{"MoveForward"};
inline constexpr Message<bool> kMoveBack{"MoveBack"};
inline constexpr Message<bool> kMoveLeft{"MoveLeft"};
inline constexpr Message<bool> kMoveRight{"MoveRight"};
inline constexpr Message<bool> kMouseLook{"MouseLook"};
inline constexpr Message<bool> kRun{"Run"};
inline constexpr Message<bool> kSneak{"Sneak"};
inline constexpr Message<bool> kWalk{"Walk"};
inline constexpr Message<bool> kGUIClick{"GUIClick"};
inline constexpr Message<bool> kTargetOrFire{"TargetOrFire"};
inline constexpr Message<bool> kUntarget{"Untarget"};
inline constexpr Message<bool> kEnterDoor{"EnterDoor"};
inline constexpr Message<bool> kEscapePressed{"EscapePressed"};
inline constexpr Message<bool> kClick{"Click"};
}  // namespace KeyAction

// What the game scheme tells the thief under control. Some share a name with the key action
// that leads to them.
namespace ThiefOrder {
// The key is down (true) or up.
inline constexpr Message<bool> kMoveForward{"MoveForward"};
inline constexpr Message<bool> kMoveBack{"MoveBack"};
inline constexpr Message<bool> kMoveLeft{"MoveLeft"};
inline constexpr Message<bool> kMoveRight{"MoveRight"};
inline constexpr Message<> kFire{"Fire"};
inline constexpr Message<> kTargetOrFire{"TargetOrFire"};
inline constexpr Message<> kUntarget{"Untarget"};
inline constexpr Message<> kEnterDoor{"EnterDoor"};
// The wheel went up (true) or down.
inline constexpr Message<bool> kChangeMoveSpeed{"ChangeMoveSpeed"};
// Forward (true) or back, and whether to play the switch sound; a thief already showing a
// switch lets it pass.
inline constexpr Message<bool, bool> kScrollGadget{"ScrollGadget"};
// The walking pace to move towards: the thief sets its own physics target speed, and keeps its
// pace while it hides under its box.
inline constexpr Message<float> kSetTargetSpeed{"SetTargetSpeed"};
}  // namespace ThiefOrder
