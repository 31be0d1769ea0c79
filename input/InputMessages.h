#pragma once
#include <cstdint>
#include <string>

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

// The developer scheme's fixed keys. Each acts once per press.
namespace DevAction {
inline constexpr Message<bool> kToggleAIInput{"ToggleAIInput"};
inline constexpr Message<bool> kToggleBuildThiefPath{"ToggleBuildThiefPath"};
inline constexpr Message<bool> kToggleBuildGuardPath{"ToggleBuildGuardPath"};
inline constexpr Message<bool> kAddNodeInput{"AddNodeInput"};
inline constexpr Message<bool> kDeleteNodeInput{"DeleteNodeInput"};
inline constexpr Message<bool> kReLinkNodeGraph{"ReLinkNodeGraph"};
inline constexpr Message<bool> kToggleChase{"ToggleChase"};
inline constexpr Message<bool> kToggleAI{"ToggleAI"};
inline constexpr Message<bool> kExcludeNode{"ExcludeNode"};
inline constexpr Message<bool> kToggleVariables{"ToggleVariables"};
inline constexpr Message<bool> kToggleTimers{"ToggleTimers"};
inline constexpr Message<bool> kToggleBox{"ToggleBox"};
// The entity class to fire, bound with the key.
inline constexpr Message<std::string> kFirePhyObj{"FirePhyObj"};
inline constexpr Message<bool> kPrintScreen{"PrintScreen"};
inline constexpr Message<bool> kParticleTest{"ParticleTest"};
inline constexpr Message<bool> kInterpEditToggle{"InterpEditToggle"};
inline constexpr Message<bool> kEndSession{"EndSession"};
// Test commands no key reaches.
inline constexpr Message<> kCubeTest{"CubeTest"};
inline constexpr Message<int32_t> kChangeAnimation{"ChangeAnimation"};
inline constexpr Message<> kTestLeaf{"TestLeaf"};
inline constexpr Message<> kResetLeaf{"ResetLeaf"};
}  // namespace DevAction

// The camera-path editor's keys, and its switching on and off by the game.
namespace EditorAction {
// The key is down (true) or up.
inline constexpr Message<bool> kMoveForward{"MoveForward"};
inline constexpr Message<bool> kMoveBack{"MoveBack"};
inline constexpr Message<bool> kMoveLeft{"MoveLeft"};
inline constexpr Message<bool> kMoveRight{"MoveRight"};
inline constexpr Message<bool> kPrintHelp{"PrintHelp"};
inline constexpr Message<bool> kSave{"Save"};
inline constexpr Message<bool> kStartTest{"StartTest"};
inline constexpr Message<bool> kStopTest{"StopTest"};
inline constexpr Message<bool> kDelete{"Delete"};
inline constexpr Message<bool> kClear{"Clear"};
inline constexpr Message<bool> kToggleShapes{"ToggleShapes"};
inline constexpr Message<bool> kAddNode{"AddNode"};
inline constexpr Message<bool> kSelectNext{"SelectNext"};
inline constexpr Message<bool> kSelectPrev{"SelectPrev"};
inline constexpr Message<bool> kDeselect{"Deselect"};
inline constexpr Message<> kActivate{"Activate"};
inline constexpr Message<> kDeactivate{"Deactivate"};
}  // namespace EditorAction

// Told to every model listening on the "Models" channel: the animation to play, by index.
inline constexpr Message<int32_t> kSetCurrentAnimation{"SetCurrentAnimation"};

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
// The mouse turns the thief's view (true) or is left to the variable panel.
inline constexpr Message<bool> kMouseLook{"MouseLook"};
// The thief's own camera becomes the active one again.
inline constexpr Message<bool> kSetActivePlayer{"SetActivePlayer"};
}  // namespace ThiefOrder
