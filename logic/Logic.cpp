#include "logic/Logic.h"

#include "engine/Engine.h"
#include "entity/Entity.h"
#include "input/Input.h"
#include "physics/Physics.h"

namespace {
void SendActivePlayer(Entity* player, bool active) {
  MessageArgs args = MessageArgs::FromByte(active);
  player->SendMessageWithArgs("SetActivePlayer", &args);
}
}  // namespace

Logic::Logic(std::function<void()> registerGameClasses)
    : registerGameClasses_(std::move(registerGameClasses)), menus_(*this) {}
Logic::~Logic() = default;

void Logic::RegisterTypes() {
  if (registerGameClasses_) registerGameClasses_();
}

void Logic::Init() {
  Engine* engine = Engine::Get();
  engine->GetConsole()->AppendText("Starting").AppendText(GetName()).Flush(Console::kWhite);
  EntityManager* entities = engine->GetEntityManager();
  Entity* commands = entities->Create("LogicCmds");
  if (commands) engine->Subscribe(commands, "ConsoleCmd");
  entities->Create("MainControls");
  BindBoolVariable("AlarmOn", &alarmOn_);
  BindStringVariable("AmmoText", &ammoText_);
  commandEntity_ = EntityHandle(commands);
  entities->Create("GameControls");
  entities->Create("NullControls");
  controlsName_ = "Null";
  SetControls();
}

void Logic::Shutdown() { maps_.Release(); }

void Logic::Update() {}

void Logic::SendCommand(const std::string& name) {
  if (Entity* commands = commandEntity_.Get()) commands->SendMessage(name);
}

void Logic::PostCommand(const std::string& name, float delay) {
  if (Entity* commands = commandEntity_.Get()) Engine::Get()->GetMessageQueue()->PostDelayed(commands, name, delay);
}

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
