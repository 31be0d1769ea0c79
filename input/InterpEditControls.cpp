#include "input/InterpEditControls.h"

#include <string>

#include "engine/Engine.h"
#include "entity/EntityMessages.h"
#include "graphics/DebugDraw.h"
#include "graphics/Graphics.h"
#include "input/ControlSeams.h"
#include "input/Input.h"
#include "input/InputMessages.h"
#include "input/SchemeServices.h"
#include "physics/Physics.h"

using namespace SchemeServices;

namespace {

struct EditorKey {
  const char* key;
  const char* action;
  bool onRelease;
};
constexpr EditorKey kEditorKeys[] = {
    {"W", EditorAction::kMoveForward.Name(), true},  {"S", EditorAction::kMoveBack.Name(), true},
    {"A", EditorAction::kMoveLeft.Name(), true},     {"D", EditorAction::kMoveRight.Name(), true},
    {"F1", EditorAction::kPrintHelp.Name(), false},  {"F2", "Load", false},
    {"F3", EditorAction::kSave.Name(), false},       {"F4", EditorAction::kStartTest.Name(), false},
    {"F5", EditorAction::kStopTest.Name(), false},   {"F6", EditorAction::kDelete.Name(), false},
    {"F7", EditorAction::kClear.Name(), false},      {"F8", EditorAction::kToggleShapes.Name(), false},
    {"Space", EditorAction::kAddNode.Name(), false}, {"E", EditorAction::kSelectNext.Name(), false},
    {"Q", EditorAction::kSelectPrev.Name(), false},  {"R", EditorAction::kDeselect.Name(), false},
};

// "Load" is bound and listed, but reloading the path happens only when the editor is switched on.
constexpr const char* kHelpLines[] = {
    "F2: Load", "F3: Save", "F4: Start Flythrough", "F5: Stop Flythrough", "F6: Delete Selected Node",
    "F7: Clear", "F8: Toggle Shapes",
};

void PrintLine(const std::string& text) { Engine::Get()->GetConsole()->AppendText(text).AppendText("\n"); }

// The name of the current map's path, the one its fly-through plays; empty outside a game.
std::string CameraPathName() {
  ControlledGame* game = Game();
  return game ? game->GetCameraPathName() : std::string();
}

}  // namespace

void InterpEditControls::Describe(ClassBuilder<InterpEditControls>& c) {
  c.Component(&InterpEditControls::controlMap);
  c.Component(&InterpEditControls::camera);
  c.Message(EditorAction::kMoveForward, &InterpEditControls::MoveForward);
  c.Message(EditorAction::kMoveBack, &InterpEditControls::MoveBack);
  c.Message(EditorAction::kMoveLeft, &InterpEditControls::MoveLeft);
  c.Message(EditorAction::kMoveRight, &InterpEditControls::MoveRight);
  c.Message(EditorAction::kPrintHelp, &InterpEditControls::PrintHelp);
  c.Message(EditorAction::kSave, &InterpEditControls::Save);
  c.Message(EditorAction::kStartTest, &InterpEditControls::StartTest);
  c.Message(EditorAction::kStopTest, &InterpEditControls::StopTest);
  c.Message(EditorAction::kDelete, &InterpEditControls::Delete);
  c.Message(EditorAction::kClear, &InterpEditControls::Clear);
  c.Message(EditorAction::kToggleShapes, &InterpEditControls::ToggleShapes);
  c.Message(EditorAction::kAddNode, &InterpEditControls::AddNode);
  c.Message(EditorAction::kSelectNext, &InterpEditControls::SelectNext);
  c.Message(EditorAction::kSelectPrev, &InterpEditControls::SelectPrev);
  c.Message(EditorAction::kDeselect, &InterpEditControls::Deselect);
  c.Message(kOnUpdate, &InterpEditControls::OnUpdate);
  c.Message(EditorAction::kActivate, &InterpEditControls::Activate);
  c.Message(EditorAction::kDeactivate, &InterpEditControls::Deactivate);
}

void InterpEditControls::OnCreate() {
  Engine* engine = Engine::Get();
  engine->GetMessageQueue()->RegisterUpdate(this);
  engine->GetInputFocus()->RegisterScheme("InterpEdit", this);
  for (const EditorKey& k : kEditorKeys) controlMap.Bind(k.key, k.action, true, k.onRelease);
  PrintHelp();
}

void InterpEditControls::PrintHelp() {
  for (const char* line : kHelpLines) PrintLine(line);
}

void InterpEditControls::Save() {
  const std::string name = CameraPathName();
  if (name.empty()) {
    PrintLine("No map is current: the camera path is not saved");
    return;
  }
  if (Physics* physics = Engine::Get()->GetPhysics()) {
    physics->SetInterpNode(path, name);
    physics->SaveInterpNodes();
  }
}

// The follower flies the editor's own path, so edits made during the flight reach it.
void InterpEditControls::StartTest() {
  if (Physics* physics = Engine::Get()->GetPhysics()) physics->StartCameraPath(&camera, &path, true);
}

void InterpEditControls::StopTest() {
  if (Physics* physics = Engine::Get()->GetPhysics()) physics->StopCameraPath();
}

void InterpEditControls::Delete() {
  if (!HasSelection()) return;
  path.erase(path.begin() + selected);
  selected = -1;
}

void InterpEditControls::Clear() {
  path.clear();
  selected = -1;
}

// Inserted before the selected node, which stays selected.
void InterpEditControls::AddNode() {
  const InterpNode node{camera.position, camera.direction};
  if (!HasSelection()) {
    path.push_back(node);
    return;
  }
  path.insert(path.begin() + selected, node);
  ++selected;
}

void InterpEditControls::SelectNext() {
  if (path.empty()) return;
  const int32_t last = static_cast<int32_t>(path.size()) - 1;
  Select(selected < 0 || selected >= last ? 0 : selected + 1);
}

void InterpEditControls::SelectPrev() {
  if (path.empty()) return;
  const int32_t last = static_cast<int32_t>(path.size()) - 1;
  Select(selected <= 0 || selected > last ? last : selected - 1);
}

void InterpEditControls::Select(int32_t index) {
  selected = index;
  camera.position = path[index].pos;
  camera.direction = path[index].dir;
}

// During a map's fly-through the path follower has the camera.
void InterpEditControls::OnUpdate() {
  camera.referencePosition = camera.position;
  Engine* engine = Engine::Get();
  Graphics* graphics = engine->GetGraphics();
  const ControlledGame* game = Game();
  if (!graphics || graphics->GetActiveCamera() != &camera || (game && game->IsFlyThroughRunning())) return;
  const Input* input = engine->GetInput();
  Fly(static_cast<float>(engine->GetTimer()->GetDelta()), input ? input->GetMouseDeltaX() : 0,
      input ? input->GetMouseDeltaY() : 0);
  if (HasSelection()) path[selected] = InterpNode{camera.position, camera.direction};
  if (showShapes) {
    if (DebugDraw* draw = graphics->GetDebugDraw()) DrawPath(*draw);
  }
}

// Opposite keys cancel.
void InterpEditControls::Fly(float seconds, int32_t mouseX, int32_t mouseY) {
  platform::Vector3 velocity;
  if (moveForward) velocity += camera.direction * kFlySpeed;
  if (moveBack) velocity -= camera.direction * kFlySpeed;
  if (moveLeft) velocity -= camera.right * kFlySpeed;
  if (moveRight) velocity += camera.right * kFlySpeed;
  camera.position += velocity * seconds;
  camera.Yaw(static_cast<float>(mouseX) * kMouseTurn);
  camera.Pitch(static_cast<float>(mouseY) * kMouseTurn);
}

void InterpEditControls::DrawPath(DebugDraw& draw) const {
  for (size_t i = 0; i < path.size(); ++i) {
    const platform::Vector3& p = path[i].pos;
    if (static_cast<int32_t>(i) != selected) draw.AddSphere(p.x, p.y, p.z, kNodeRadius, kNodeColour);
    if (i > 0) {
      const platform::Vector3& q = path[i - 1].pos;
      draw.AddLine(q.x, q.y, q.z, p.x, p.y, p.z, kLinkColour);
    }
    const platform::Vector3 tip = p + path[i].dir * kDirectionLine;
    draw.AddLine(p.x, p.y, p.z, tip.x, tip.y, tip.z, kDirectionColour);
  }
}

// Starts from the thief's view: its camera's pose only, not its owner. Unsaved edits are
// dropped for the stored path; outside a game there is none and the path starts empty.
void InterpEditControls::Activate() {
  PrintLine("InterpEdit Mode Activated");
  Engine* engine = Engine::Get();
  if (Graphics* graphics = engine->GetGraphics()) graphics->SetActiveCamera(&camera);
  Entity* player = Player();
  if (const Camera* view = player ? player->Find<Camera>() : nullptr) {
    camera.position = view->position;
    camera.referencePosition = view->referencePosition;
    camera.direction = view->direction;
    camera.up = view->up;
    camera.right = view->right;
  }
  path.clear();
  const std::string name = CameraPathName();
  const Physics* physics = engine->GetPhysics();
  if (physics && !name.empty()) {
    auto stored = physics->GetInterpNodes().find(name);
    if (stored != physics->GetInterpNodes().end()) path = stored->second;
  }
  selected = -1;
}

// The thief's own camera becomes the active one again; the game gives the focus back. Without
// a thief (switched on and off in the menus) the menus get their empty scene back.
void InterpEditControls::Deactivate() {
  PrintLine("InterpEdit Mode Deactivated");
  if (Player()) {
    SendToPlayer(ThiefOrder::kSetActivePlayer, true);
    return;
  }
  Graphics* graphics = Engine::Get()->GetGraphics();
  if (graphics && graphics->GetActiveCamera() == &camera) graphics->SetActiveCamera(nullptr);
}
