#include "logic/GameStart.h"

#include <algorithm>
#include <exception>

#include "ai/AI.h"
#include "engine/Engine.h"
#include "entities/EntRefComp.h"
#include "entities/ItemPlacement.h"
#include "entities/Teleporter.h"
#include "graphics/Graphics.h"
#include "graphics/ModelComp.h"
#include "graphics/gui/GUI.h"
#include "graphics/gui/HUDAnimation.h"
#include "graphics/gui/HudGadgets.h"
#include "logic/GameComponents.h"
#include "logic/Logic.h"
#include "logic/LogicGui.h"
#include "logic/MapList.h"
#include "map/BspMap.h"
#include "physics/MapCollision.h"
#include "physics/Physics.h"
#include "player/Player.h"
#include "sound/Sound.h"

namespace {

const char* kLogicLog = "LogicLog";
const char* kGameGroup = "GameEnts";
const char* kPlayerClass = "Player";
const char* kPlayerStartClass = "PlayerStart";
constexpr int32_t kMaxComputerThieves = 3;

void LogicLog(Engine& engine, const std::string& text) { engine.GetLog()->Write(kLogicLog, text, 2); }

}  // namespace

GameStart::GameStart(Engine& engine, Logic& logic, RoundState& round) : engine_(engine), logic_(logic), round_(round) {}
GameStart::~GameStart() = default;

bool GameStart::Start() {
  Engine& engine = engine_;
  EntityManager* entities = engine.GetEntityManager();
  logic_.ClearGame();
  // The old game's entities go before the particle manager is cleared: a carried item's
  // sparks or a smoke bomb's cloud are let go by their owners' destructors.
  entities->ProcessDeletions();
  Graphics* graphics = engine.GetGraphics();
  if (graphics && graphics->GetParticleManager()) graphics->GetParticleManager()->Clear();
  entities->BeginGroup(kGameGroup);
  if (Physics* physics = engine.GetPhysics()) {
    physics->Shutdown();
    physics->Init();
  }
  if (graphics && graphics->GetAnimationList()) graphics->GetAnimationList()->DeleteAll();
  round_.roundOver = false;
  // Made without its start-up so that it joins no channel: it only receives this game's steps.
  Entity* gameCommands = entities->Instantiate("LogicCmds");
  round_.gameCommands = EntityHandle(gameCommands);
  if (!BuildMuseum()) return false;
  round_.items.Load(ItemStore::kPath);
  PlaceItems(round_.items, logic_.GetServices());

  CreateUserThief();
  CreateComputerThieves();
  if (const EntityList* players = logic_.GetPlayers()) {
    for (Entity& player : *players) MovePlayerToStart(player);
  }
  if (Physics* physics = engine.GetPhysics()) physics->UpdateClusters();
  round_.inGame = true;
  ShowHud();
  // Once round the thief's three gadgets, quietly: the HUD shows the one it holds.
  if (auto* player = dynamic_cast<Player*>(logic_.GetPlayerEntity())) {
    for (int i = 0; i < 3; ++i) player->ScrollGadget(false, false);
  }
  logic_.SetAlertLevel(0);
  round_.timeLeft = logic_.GetConfig().time * 60.0f;
  logic_.UseControls("Game");
  logic_.StartMapFlyThrough();
  return true;
}

bool GameStart::BuildMuseum() {
  const std::string listPath = "Data/" + logic_.GetMapListName();
  try {
    std::vector<std::string> names = ReadMapList(listPath);
    std::erase(names, std::string());
    if (names.empty()) {
      LogicLog(engine_, "The map list " + listPath + " names no map: no game is started");
      return false;
    }
    MapEntityNames refs;
    if (!mapsLoaded_) logic_.GetMaps().Load(names);
    AI* ai = engine_.GetAI();
    if (ai) ai->ClearLevelLists();
    CookAndPlace(refs);
    ResolveTargets(refs);
    if (ai) {
      // Each map's graph is read or built while that map is current: building reads its floors.
      for (size_t i = 0; i < logic_.GetMaps().GetCount(); ++i) {
        const auto index = static_cast<int32_t>(i);
        logic_.GetMaps().SetCurrent(index);
        ai->OnMapLoad(logic_.GetMaps().GetName(index), index);
      }
      ai->LinkTeleporterNodes();
    }
    if (Sound* sound = engine_.GetSound()) sound->SetGameStarted();
    logic_.GetMaps().SetCurrent(0);
    mapsLoaded_ = true;
  } catch (const std::exception& e) {
    LogicLog(engine_, std::string("Could not load map. ") + e.what());
    return false;
  }
  return true;
}

// The physics restart dropped every map's collision; each map's entities are made while it
// is current.
void GameStart::CookAndPlace(MapEntityNames& names) {
  MuseumMaps& maps = logic_.GetMaps();
  collisions_.resize(maps.GetCount());
  for (size_t i = 0; i < maps.GetCount(); ++i) {
    const auto index = static_cast<int32_t>(i);
    maps.SetCurrent(index);
    BspMap& map = maps.GetCurrent();
    if (!collisions_[i]) collisions_[i] = std::make_unique<MapCollision>();
    collisions_[i]->CookWorldMesh(map);
    map.CreateEntities(names, *this);
  }
}

void GameStart::CreateComputerThieves() {
  AI* ai = engine_.GetAI();
  const EntityList* starts = logic_.GetEntities(kPlayerStartClass);
  if (!ai || !starts) return;
  // One start is the user's; the computer thieves take the others, three at most.
  ai->CreateAIPlayers(std::min(static_cast<int32_t>(starts->Count()) - 1, kMaxComputerThieves));
}

void GameStart::CreateUserThief() {
  EntityManager* entities = engine_.GetEntityManager();
  if (!entities->IsRegistered(kPlayerClass)) return;
  Entity* thief = entities->Instantiate(kPlayerClass);
  if (!thief) return;
  Entity::SetUp(thief);
  if (PlayerInfo* info = FindPlayerInfo(*thief)) info->WearOutfit(logic_.GetMenus().GetOutfit());
  if (auto* player = dynamic_cast<Player*>(thief)) {
    player->ai.Init(false);
    player->ai.voice.SetFile("box timer");
  }
  logic_.SetPlayerEntity(thief);
}

void GameStart::ShowHud() {
  Entity* smoke = logic_.CreateGadgetEnt("SmokeGrenade");
  Entity* box = logic_.CreateGadgetEnt("Box");
  Entity* taser = logic_.CreateGadgetEnt("Taser");
  LogicGui::ChangeScreen("HUD", 0.0f);
  SetVariable("Turntable", false);
  GUIScreen* hud = LogicGui::CurrentScreen();
  if (!hud || hud->models.size() < 3) return;
  Entity* shown[] = {smoke, box, taser};
  for (size_t i = 0; i < 3; ++i) hud->models[i].boundEntity = EntityHandle(shown[i]);
  RefreshHudGadgetModels();
}

void GameStart::MovePlayerToStart(Entity& player) {
  if (PlayerInfo* info = FindPlayerInfo(player)) info->RefillGadgets();
  PhysicalComp* physical = FindPhysical(player);
  const EntityList* starts = logic_.GetEntities(kPlayerStartClass);
  const size_t count = starts ? starts->Count() : 0;
  if (count == 0) {
    if (physical) physical->SetPositionCached({0.0f, 0.0f, 500.0f});
    return;
  }
  nextStart_ = (nextStart_ + 1) % count;
  Entity* start = starts->At(nextStart_);
  PhysicalComp* startPhysical = FindPhysical(*start);
  if (physical && startPhysical) physical->SetPositionCached(startPhysical->GetPosition());
  MapIndexComp* startMap = FindMapIndex(*start);
  MapIndexComp* playerMap = FindMapIndex(player);
  if (!startMap) return;
  if (playerMap) playerMap->mapIndex = startMap->mapIndex;
  if (&player == logic_.GetPlayerEntity()) logic_.GetMaps().SetCurrent(static_cast<int32_t>(startMap->mapIndex));
}

bool GameStart::HasBody(Entity& entity) { return entity.Find<PhysicalComp>() != nullptr; }

void GameStart::SetPosition(Entity& entity, const platform::Vector3& position) {
  if (auto* physical = entity.Find<PhysicalComp>()) physical->SetPositionCached(position);
}

void GameStart::SetModelName(Entity& entity, const std::string& name) {
  if (auto* model = entity.Find<ModelComp>()) model->modelName = name;
}

void GameStart::SetMapIndex(Entity& entity, int32_t index) {
  if (auto* mapIndex = entity.Find<MapIndexComp>()) mapIndex->mapIndex = static_cast<uint32_t>(index);
}

Component* GameStart::FindTargetReference(Entity& entity) { return entity.Find<EntRefComp>(); }

void GameStart::SetTeleporterKeys(Entity& entity, const TeleporterKeys& keys) {
  auto* teleporter = dynamic_cast<Teleporter*>(&entity);
  if (!teleporter) return;
  if (keys.targetName) teleporter->targetName = teleporter->cameraPathName = *keys.targetName;
  if (keys.link) teleporter->link = *keys.link;
  if (keys.banned) teleporter->banned = 1;
}

// Targets may lie in any map, so they are resolved once all are loaded. A reference to a name
// that no map gives cannot be kept: its owner goes.
void GameStart::ResolveTargets(const MapEntityNames& names) {
  for (const auto& [target, reference] : names.targetReferences) {
    auto named = names.targetNames.find(target);
    if (named != names.targetNames.end()) {
      static_cast<EntRefComp*>(reference)->target = EntityHandle(named->second);
    } else if (reference->owner) {
      engine_.GetEntityManager()->QueueDelete(reference->owner);
    }
  }
}
