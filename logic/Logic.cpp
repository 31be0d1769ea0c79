#include "logic/Logic.h"

#include "engine/Engine.h"
#include "input/GameControls.h"
#include "input/Input.h"
#include "input/NullControls.h"
#include "logic/MainControls.h"
#include "physics/Physics.h"

namespace {
const char* kLogicLog = "LogicLog";

void SendActivePlayer(Entity* player, bool active) {
  MessageArgs args = MessageArgs::FromByte(active);
  player->SendMessageWithArgs("SetActivePlayer", &args);
}
}  // namespace

void Logic::RegisterTypes() {
  RegisterEntityClass<MainControls>(kLogicLog);
  RegisterEntityClass<GameControls>(kLogicLog);
  RegisterEntityClass<NullControls>(kLogicLog);
}

void Logic::Init() {
  Engine* engine = Engine::Get();
  engine->GetConsole()->AppendText("Starting").AppendText(GetName()).Flush(Console::kWhite);
  EntityManager* entities = engine->GetEntityManager();
  entities->Create("MainControls");
  entities->Create("GameControls");
  entities->Create("NullControls");
  controlsName_ = "Null";
  SetControls();
}

void Logic::Shutdown() {}
void Logic::Update() {}

void Logic::SetControls() {
  Engine* engine = Engine::Get();
  if (Input* input = engine->GetInput()) input->StopDispatch();
  InputFocus* focus = engine->GetInputFocus();
  focus->SetFocus(focus->FindScheme(controlsName_));
}

void Logic::ToggleConsole() {
  Engine* engine = Engine::Get();
  Console* console = engine->GetConsole();
  if (console->IsVisible()) {
    SetControls();
  } else {
    InputFocus* focus = engine->GetInputFocus();
    focus->SetFocus(focus->FindScheme("Console"));
  }
  console->ToggleVisible();
}

void Logic::SetPlayerEntity(Entity* player) {
  if (Entity* previous = activePlayer_.Get()) SendActivePlayer(previous, false);
  activePlayer_ = EntityHandle(player);
  if (player) SendActivePlayer(player, true);
}

void Logic::EndMapFlyThrough() {
  if (!flyThroughRunning_) return;
  flyThroughRunning_ = 0;
  if (Entity* player = activePlayer_.Get()) SendActivePlayer(player, true);
  controlsName_ = "Game";
  SetControls();
  if (Physics* physics = Engine::Get()->GetPhysics()) physics->StopCameraPath();
}

// Escape walks back through the menu screens, or in game opens and closes the in-game menu,
// both of which the graphics system shows; until it has screens there is nothing to go back
// through.
void Logic::EscapePressed() {}
