#include "logic/Logic.h"

#include "engine/Engine.h"
#include "ai/AIComponent.h"
#include "entities/Guard.h"
#include "entities/Item.h"
#include "entities/ItemDropoff.h"
#include "entities/ItemPlacement.h"
#include "entities/Teleporter.h"
#include "entity/Entity.h"
#include "graphics/Graphics.h"
#include "input/Input.h"
#include "input/InputMessages.h"
#include "logic/GameComponents.h"
#include "logic/LogicGui.h"
#include "logic/LogicMessages.h"
#include "map/BspMap.h"
#include "graphics/gui/GUISpriteElement.h"
#include "physics/Physics.h"
#include "player/PlayerMessages.h"
#include "sound/Sound.h"
#include "sound/SoundEmitter.h"

Logic::Logic(Engine& engine, std::function<void(Logic&)> registerGameClasses)
    : engine_(engine),
      services_(engine, *this),
      registerGameClasses_(std::move(registerGameClasses)),
      menus_(engine, *this),
      maps_(engine),
      flyThrough_(engine),
      start_(engine, *this, round_),
      rules_(engine, *this),
      flow_(engine, *this),
      tally_(engine, *this) {}

Logic::~Logic() = default;

void Logic::RegisterTypes() {
  if (registerGameClasses_) registerGameClasses_(*this);
}

void Logic::Init() {
  Engine& engine = engine_;
  engine.GetConsole()->AppendText("Starting").AppendText(GetName()).Flush(Console::kWhite);
  config_.Load(kLogicConfigPath);
  mapListName_ = config_.defaultMapName;
  EntityManager* entities = engine.GetEntityManager();
  Entity* commands = entities->Create("LogicCmds");
  if (commands) engine.Subscribe(commands, "ConsoleCmd");
  entities->Create("MainControls");
  entities->Create("DevControls");
  BindBoolVariable("AlarmOn", &alarmOn_);
  BindStringVariable("AmmoText", &ammoText_);
  tally_.BindScores();
  commandEntity_ = EntityHandle(commands);
  entities->Create("GameControls");
  entities->Create("InterpEditControls");
  entities->Create("NullControls");
  UseControls("Null");
  startRequested_ = config_.skipMenus;
  if (Physics* physics = engine.GetPhysics()) physics->SetFlyThroughEndHandler([this] { EndMapFlyThrough(); });
}

void Logic::Shutdown() {
  ClearGame();
  maps_.Release();
}

void Logic::Update() {
  Engine& engine = engine_;
  if (startRequested_) {
    StartGame();
    // The menus' music ends where a round begins; a refused start left the player in the menus.
    Sound* sound = engine.GetSound();
    SoundEmitter* music = sound ? sound->GetMusicEmitter() : nullptr;
    if (music && round_.inGame) music->Pause();
    startRequested_ = false;
  }
  if (round_.inGame) {
    rules_.UpdateClock();
    RespawnScoredItems(services_);
  }
  rules_.ApplyToPlayers();
  if (Physics* physics = engine.GetPhysics()) physics->UpdateClusters();
  if (Entity* player = activePlayer_.Get()) flyThrough_.FollowPlayer(*player);
}

void Logic::SendCommand(const std::string& name) {
  MessageArgs none;
  if (Entity* commands = commandEntity_.Get()) commands->HandleMessage(name, &none);
}

bool Logic::IsAgent(Entity& entity) const { return entity.Find<AIComponent>() != nullptr; }

void Logic::SendCommand(const Message<>& command) {
  if (Entity* commands = commandEntity_.Get()) commands->Send(command);
}

void Logic::PostCommand(const Message<>& command, float delay) {
  if (Entity* commands = commandEntity_.Get()) engine_.GetMessageQueue()->Post(commands, command, delay);
}

// A cleared game's command entity lives on until the next frame's deletions; steps falling due
// in between are dropped here.
bool Logic::IsLiveCommandEntity(const Entity& commands) const {
  return commands.GetId() == commandEntity_.Id() || commands.GetId() == round_.gameCommands.Id();
}

void Logic::SetControls() {
  Engine& engine = engine_;
  if (Input* input = engine.GetInput()) input->StopDispatch();
  InputFocus* focus = engine.GetInputFocus();
  focus->SetFocus(focus->FindScheme(controlsName_));
  if (!config_.devControls) return;
  if (EntityHandle dev = focus->FindScheme("Dev"); dev.Get()) focus->AddFocus(dev);
}

void Logic::UseControls(const std::string& name) {
  controlsName_ = name;
  SetControls();
}

void Logic::StartGame() {
  if (start_.Start()) return;
  // The reason went to the console in red: the player is not left on the loading screen with
  // nothing to steer, but sees it over the main menu.
  ReturnToMainMenu();
  if (!engine_.GetConsole()->IsVisible()) ToggleConsole();
}

void Logic::ToggleConsole() {
  Engine& engine = engine_;
  Console* console = engine.GetConsole();
  if (console->IsVisible()) {
    SetControls();
  } else {
    InputFocus* focus = engine.GetInputFocus();
    focus->SetFocus(focus->FindScheme("Console"));
  }
  console->ToggleVisible();
}

void Logic::SetPlayerEntity(Entity* player) {
  if (Entity* previous = activePlayer_.Get()) previous->Send(kSetActivePlayer, false);
  activePlayer_ = EntityHandle(player);
  if (player) player->Send(kSetActivePlayer, true);
}

void Logic::StartMapFlyThrough() {
  if (GetCurrentMapIndex() < 0) return;
  if (!flyThrough_.Start(GetCurrentMap(), lastTeleporter_.Get() ? lastTeleporterPath_ : std::string(),
                         activePlayer_.Get()))
    return;
  UseControls("Null");
}

void Logic::EndMapFlyThrough() {
  if (!flyThrough_.End()) return;
  if (Entity* player = activePlayer_.Get()) player->Send(kSetActivePlayer, true);
  UseControls("Game");
}

void Logic::EscapePressed() {
  if (LogicGui::IsSliding()) return;
  if (round_.inGame) {
    flow_.ToggleInGameMenu();
  } else {
    menus_.EscapePressed();
  }
}

// A flight cut short (the console's "map", a late game step) must not leave the clock standing
// or the follower flying a path of the world the next start rebuilds.
void Logic::ClearGame() {
  Engine& engine = engine_;
  flyThrough_.End();
  Graphics* graphics = engine.GetGraphics();
  if (graphics) graphics->SetActiveCamera(nullptr);
  engine.GetEntityManager()->DeleteGroup("GameEnts");
  if (Sound* sound = engine.GetSound()) sound->StopAllEmitters();
  lists_.Clear();
  maps_.SetCurrent(-1);
  lastTeleporter_ = EntityHandle();
  lastTeleporterPath_.clear();
  round_.gameCommands = EntityHandle();
  flow_.Clear();
  UseControls("Null");
  activePlayer_ = EntityHandle();
  round_.inGame = false;
}

// From the in-game menu the clock stands and the menu is open: both are undone, or the next
// game's delayed steps would never fall due.
void Logic::ReturnToMainMenu() {
  inGameMenu_ = false;
  engine_.GetTimer()->SetPaused(false);
  LogicGui::ChangeScreen("MainMenu", 0.0f);
  ClearGame();
  if (Graphics* graphics = engine_.GetGraphics()) graphics->UpdateMenuSelection();
}

std::string Logic::GetCameraPathName() { return GetCurrentMapIndex() < 0 ? std::string() : GetCurrentMap().GetPath(); }

// The focus moves only while the console is closed; closing it gives the focus to the scheme
// named here. A map's fly-through holds the camera and the focus until it ends (the key that
// asked ends it), so the editor is not switched on under it.
void Logic::ToggleInterpEdit() {
  if (flyThrough_.IsRunning()) return;
  Engine& engine = engine_;
  const bool leaving = controlsName_ == "InterpEdit";
  controlsName_ = leaving ? "Game" : "InterpEdit";
  if (!engine.GetConsole()->IsVisible()) SetControls();
  if (Entity* editor = engine.GetInputFocus()->FindScheme("InterpEdit").Get())
    editor->Send(leaving ? EditorAction::kDeactivate : EditorAction::kActivate);
}

void Logic::ToggleBox() {
  Entity* player = activePlayer_.Get();
  PlayerInfo* info = player ? FindPlayerInfo(*player) : nullptr;
  if (info) info->FlipBox();
}

void Logic::SetAlertLevel(int32_t level) {
  if (level < 0 || level > 3) return;
  alertLevel_ = level;
  for (int32_t i = 1; i <= 3; ++i) {
    GUISpriteElement* sprite = LogicGui::FindSprite("Alert" + std::to_string(i));
    if (sprite) sprite->SetFrame(3 * (i - 1) + (level < i ? 2 : 0));
  }
}

Entity* Logic::CreateGadgetEnt(const std::string& name) {
  EntityManager* entities = engine_.GetEntityManager();
  if (!entities->IsRegistered("GadgetEnt")) return nullptr;
  return entities->CreateFromFile("GadgetEnt", "Data/gadgets/" + name + ".xml");
}

void Logic::SetLastTeleporter(const Entity& teleporter, const std::string& cameraPath) {
  lastTeleporter_.Set(&teleporter);
  lastTeleporterPath_ = cameraPath;
}

void Logic::ReportBusted() { SendCommand(kBusted); }
void Logic::ReportItemTaken() { SendCommand(kGetItem); }
void Logic::ReportItemDelivered() { SendCommand(kDropOffItem); }

void Logic::UnfreezeLater(const Entity& entity, float delay) {
  PostGameCommand(kUnfreezeEntity, delay, entity.GetId());
}

// The item store comes with the level's items; until a game has one nothing is spawned.
void Logic::RespawnItem(ItemRecord& record) { SpawnItemEntity(services_, record); }

bool Logic::IsBusted() const { return flow_.IsBusted(); }

void Logic::GetGuards(std::vector<GuardMark>& out) const {
  out.clear();
  const EntityList* guards = lists_.Get("Guard");
  if (!guards) return;
  for (Entity& entity : *guards) {
    const auto* guard = dynamic_cast<const Guard*>(&entity);
    if (guard)
      out.push_back(
          GuardMark{guard->physical.GetPosition(), !guard->model.notDrawnThisFrame, guard->ai.GetCurrentAction().Name});
  }
}

void Logic::GetTeleporters(std::vector<PlaceMark>& out) const {
  out.clear();
  const EntityList* teleporters = lists_.Get(Teleporter::kClassName);
  if (!teleporters) return;
  for (Entity& entity : *teleporters) {
    const auto& teleporter = static_cast<const Teleporter&>(entity);
    out.push_back(PlaceMark{teleporter.physical.GetPosition(), teleporter.visible, teleporter.label});
  }
}

void Logic::GetDropoffs(std::vector<PlaceMark>& out) const {
  out.clear();
  const EntityList* dropoffs = lists_.Get(ItemDropoff::kClassName);
  if (!dropoffs) return;
  for (Entity& entity : *dropoffs) {
    const auto& dropoff = static_cast<const ItemDropoff&>(entity);
    out.push_back(PlaceMark{dropoff.physical.GetPosition(), dropoff.visible, {}});
  }
}
