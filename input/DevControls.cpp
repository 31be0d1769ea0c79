#include "input/DevControls.h"

#include <optional>

#include "engine/Engine.h"
#include "engine/VariableTable.h"
#include "graphics/Camera.h"
#include "graphics/Graphics.h"
#include "graphics/ParticleManager.h"
#include "graphics/gui/DebugVariablePanel.h"
#include "input/ControlSeams.h"
#include "input/DevSeams.h"
#include "input/Input.h"
#include "input/InputMessages.h"
#include "input/SchemeServices.h"
#include "input/ScreenshotName.h"
#include "physics/PhysicalComp.h"
#include "platform/core/Clock.h"

using namespace SchemeServices;

namespace {

constexpr const char* kInputLog = "InputLog";
constexpr float kFireDistance = 100.0f;
constexpr float kFireSpeed = 500.0f;
constexpr int kCubeTestCount = 20;
constexpr const char* kLeafVariable = "LeafNum";

// The fixed keys, in binding order; "P" carries the class it fires.
struct DevKey {
  const char* key;
  const char* action;
  const char* text = nullptr;
};
constexpr DevKey kDevKeys[] = {
    {"Q", DevAction::kToggleAIInput.Name()},        {"1", DevAction::kToggleBuildThiefPath.Name()},
    {"2", DevAction::kToggleBuildGuardPath.Name()}, {"J", DevAction::kAddNodeInput.Name()},
    {"H", DevAction::kDeleteNodeInput.Name()},      {"N", DevAction::kReLinkNodeGraph.Name()},
    {"C", DevAction::kToggleChase.Name()},          {"Z", DevAction::kToggleAI.Name()},
    {"L", DevAction::kExcludeNode.Name()},          {"V", DevAction::kToggleVariables.Name()},
    {"T", DevAction::kToggleTimers.Name()},         {"B", DevAction::kToggleBox.Name()},
    {"P", DevAction::kFirePhyObj.Name(), "PhySphere"},
    {"SysRQ", DevAction::kPrintScreen.Name()},      {"F", DevAction::kParticleTest.Name()},
    {"I", DevAction::kInterpEditToggle.Name()},     {"9", DevAction::kEndSession.Name()},
};

void LogError(const std::string& text) { Engine::Get()->GetLog()->Write(kInputLog, text, 2); }

DevAI* TheAI() {
  const Input* input = Engine::Get()->GetInput();
  return input ? input->GetDevAI() : nullptr;
}

// The AI while node editing is on: the node keys and the chase key act only then.
DevAI* EditingAI() {
  DevAI* ai = TheAI();
  return ai && ai->NodeEditSwitch() ? ai : nullptr;
}

// The current map's index, when the AI holds a graph for it (outside a game the index is -1).
std::optional<int32_t> EditedMap(const DevAI& ai) {
  const ControlledGame* game = Game();
  const int32_t map = game ? game->GetCurrentMapIndex() : -1;
  if (map < 0 || map >= ai.GetNodeMapCount()) return std::nullopt;
  return map;
}

// Sets a mark on the node nearest to the thief.
void MarkNearestNode(NodeMark mark) {
  DevAI* ai = EditingAI();
  Entity* player = Player();
  PhysicalComp* physical = player ? player->Find<PhysicalComp>() : nullptr;
  if (ai && physical) ai->MarkNearestNode(physical->GetPosition(), mark);
}

DebugVariablePanel* Panel() {
  Graphics* graphics = Engine::Get()->GetGraphics();
  return graphics ? graphics->GetVariablePanel() : nullptr;
}

}  // namespace

void DevControls::Describe(ClassBuilder<DevControls>& c) {
  c.Component(&DevControls::controlMap);
  c.Message(DevAction::kToggleAIInput, &DevControls::ToggleAIInput);
  c.Message(DevAction::kToggleBuildThiefPath, &DevControls::ToggleBuildThiefPath);
  c.Message(DevAction::kToggleBuildGuardPath, &DevControls::ToggleBuildGuardPath);
  c.Message(DevAction::kAddNodeInput, &DevControls::AddNodeInput);
  c.Message(DevAction::kDeleteNodeInput, &DevControls::DeleteNodeInput);
  c.Message(DevAction::kReLinkNodeGraph, &DevControls::ReLinkNodeGraph);
  c.Message(DevAction::kToggleChase, &DevControls::ToggleChase);
  c.Message(DevAction::kToggleAI, &DevControls::ToggleAI);
  c.Message(DevAction::kExcludeNode, &DevControls::ExcludeNode);
  c.Message(DevAction::kToggleVariables, &DevControls::ToggleVariables);
  c.Message(DevAction::kToggleTimers, &DevControls::ToggleTimers);
  c.Message(DevAction::kToggleBox, &DevControls::ToggleBox);
  c.Message(DevAction::kFirePhyObj, &DevControls::FirePhyObj);
  c.Message(DevAction::kPrintScreen, &DevControls::PrintScreen);
  c.Message(DevAction::kParticleTest, &DevControls::ParticleTest);
  c.Message(DevAction::kInterpEditToggle, &DevControls::InterpEditToggle);
  c.Message(DevAction::kEndSession, &DevControls::EndSession);
  c.Message(DevAction::kCubeTest, &DevControls::CubeTest);
  c.Message(DevAction::kChangeAnimation, &DevControls::ChangeAnimation);
  c.Message(DevAction::kTestLeaf, &DevControls::TestLeaf);
  c.Message(DevAction::kResetLeaf, &DevControls::ResetLeaf);
}

void DevControls::OnCreate() {
  for (const DevKey& k : kDevKeys) {
    const MessageArgs args = k.text ? MessageArgs::FromText(k.text) : MessageArgs();
    if (k.text)
      controlMap.BindWithArgs(k.key, k.action, args, true, false);
    else
      controlMap.Bind(k.key, k.action, true, false);
  }
  Engine::Get()->GetInputFocus()->RegisterScheme("Dev", this);
}

// Entering node editing stops the agents, leaving it starts them again.
void DevControls::ToggleAIInput() {
  DevAI* ai = TheAI();
  if (!ai) return;
  ai->RunSwitch() = ai->NodeEditSwitch();
  ai->NodeEditSwitch() = !ai->NodeEditSwitch();
}

void DevControls::ToggleAI() {
  if (DevAI* ai = TheAI()) ai->RunSwitch() = !ai->RunSwitch();
}

void DevControls::ToggleChase() {
  if (DevAI* ai = EditingAI()) ai->ChaseSwitch() = !ai->ChaseSwitch();
}

void DevControls::AddNodeInput() {
  DevAI* ai = EditingAI();
  if (std::optional<int32_t> map = ai ? EditedMap(*ai) : std::nullopt) ai->AddNodeAtPlayer(*map);
}

void DevControls::ReLinkNodeGraph() {
  DevAI* ai = EditingAI();
  if (std::optional<int32_t> map = ai ? EditedMap(*ai) : std::nullopt) ai->RelinkNodeGraph(*map);
}

void DevControls::DeleteNodeInput() { MarkNearestNode(NodeMark::kDeleted); }
void DevControls::ExcludeNode() { MarkNearestNode(NodeMark::kExcluded); }

// The mouse turns the thief's view only while the panel is hidden, so a click can reach it.
void DevControls::ToggleVariables() {
  DebugVariablePanel* panel = Panel();
  if (!panel) return;
  panel->showVariables = !panel->showVariables;
  SendToPlayer(ThiefOrder::kMouseLook, !panel->showVariables);
}

void DevControls::ToggleTimers() {
  if (DebugVariablePanel* panel = Panel()) panel->showTimers = !panel->showTimers;
}

void DevControls::ToggleBox() {
  if (ControlledGame* game = Game()) game->ToggleBox();
}

void DevControls::InterpEditToggle() {
  if (ControlledGame* game = Game()) game->ToggleInterpEdit();
}

void DevControls::EndSession() {
  if (ControlledGame* game = Game()) game->ReturnToMainMenu();
}

void DevControls::PrintScreen() {
  if (Graphics* graphics = Engine::Get()->GetGraphics())
    graphics->RequestScreenshot(ScreenshotFileName(platform::GetClock().UtcSeconds()));
}

void DevControls::FirePhyObj(const std::string& className) {
  Entity* player = Player();
  const Camera* view = player ? player->Find<Camera>() : nullptr;
  if (!view) {
    LogError("FirePhyObj: there is no thief with a camera to fire " + className + " from");
    return;
  }
  EntityManager* entities = Engine::Get()->GetEntityManager();
  Entity* body = entities->Create(className);
  if (!body) return;  // the entity manager said why
  PhysicalComp* physical = body->Find<PhysicalComp>();
  if (!physical) {
    LogError("FirePhyObj: " + className + " has no Physical component to fire");
    entities->QueueDelete(body);
    return;
  }
  physical->SetPosition(view->position + view->direction * kFireDistance);
  physical->CreateActor();
  physical->SetVelocity(view->direction * kFireSpeed);
}

// Until the next game start, at the world's origin.
void DevControls::ParticleTest() {
  if (ParticleManager* particles = Engine::Get()->GetParticleManager()) particles->CreateEmitter("dustConfig");
}

// The cubes are neither placed nor pushed.
void DevControls::CubeTest() {
  EntityManager* entities = Engine::Get()->GetEntityManager();
  for (int i = 0; i < kCubeTestCount; ++i) entities->Create("PhyCube");
}

void DevControls::ChangeAnimation(int32_t animation) {
  Engine::Get()->Broadcast(kSetCurrentAnimation, "Models", animation);
}

// An unknown or mistyped variable is reported by the variable table, for the read and the write.
void DevControls::TestLeaf() {
  int32_t leaf = 0;
  ConsoleBinding::Get(kLeafVariable, leaf);
  SetVariable(kLeafVariable, leaf + 1);
}

void DevControls::ResetLeaf() { SetVariable(kLeafVariable, int32_t{0}); }
