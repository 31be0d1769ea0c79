#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "engine/CurrentMapSource.h"
#include "engine/Engine.h"
#include "engine/EngineSystem.h"
#include "engine/SystemSlots.h"
#include "entity/EntityManager.h"
#include "entity/Message.h"
#include "entity/MessageArgs.h"
#include "graphics/GameView.h"
#include "graphics/gui/HudSeams.h"
#include "input/ControlSeams.h"
#include "logic/ClassLists.h"
#include "logic/FlyThrough.h"
#include "logic/GameAgentWorld.h"
#include "logic/GameFlow.h"
#include "logic/GameStart.h"
#include "logic/LogicConfig.h"
#include "logic/MenuFlow.h"
#include "logic/MuseumMaps.h"
#include "logic/RoundRules.h"
#include "logic/RoundState.h"
#include "logic/Tally.h"
#include "player/GameServices.h"
#include "player/LogicServices.h"
#include "sound/SoundGameView.h"

class BspMap;
class Entity;

inline constexpr const char* kLogicConfigPath = "Data/LogicConfig.xml";

// The game logic: the settings, the command entity that carries out the menu and game
// commands, the control schemes and which of them has the input focus, the thief under control,
// the menu flow, the museum's maps, the game start, the round and its rules, the in-game
// commands, the end-of-round tally, and the running game's entities by class. The thieves,
// level entities and AI reach it as LogicServices, the graphics as GameView and HudGame, the
// sound as its SoundGameView, the engine as the holder of the current map and the control
// schemes as the game they serve.
class Logic : public EngineSystem,
              public GameView,
              public LogicServices,
              public HudGame,
              public SoundGameView,
              public CurrentMapSource,
              public ControlledGame {
 public:
  // The game's entity classes come from the program that composes the systems: registering
  // them here would tie the game logic to every folder that defines one. The program registers
  // them with the game logic, whose services it hands to the classes' objects.
  Logic(Engine& engine, std::function<void(Logic&)> registerGameClasses);
  ~Logic() override;

  void RegisterTypes() override;
  void Init() override;
  void Shutdown() override;
  // Starts a requested game, runs the round and applies the rules to every thief.
  void Update() override;
  std::string GetName() override { return "Logic"; }
  void TakeSlot(SystemSlots& slots) override {
    slots.logic = this;
    slots.currentMap = this;
  }
  BspMap* CurrentMap() override { return &GetCurrentMap(); }

  // The permanent "LogicCmds" entity; null before Init and after the entities are deleted.
  Entity* GetCommandEntity() const { return commandEntity_.Get(); }
  // Sends the command at once to the command entity (nothing without one): by the name a GUI
  // screen gives, or declared.
  void SendCommand(const std::string& name) override;
  bool IsAgent(Entity& entity) const override;
  void SendCommand(const Message<>& command);
  // The command comes back to the command entity `delay` seconds later on the engine timer.
  void PostCommand(const Message<>& command, float delay);
  // As PostCommand, for a step of the running game: it is dropped when the game is cleared
  // before it falls due (nothing without a game).
  template <class... A>
  void PostGameCommand(const Message<A...>& command, float delay, const std::type_identity_t<A>&... values) {
    if (Entity* commands = round_.gameCommands.Get())
      engine_.GetMessageQueue()->Post(commands, command, delay, values...);
  }
  // False for the command entity of a game that has been cleared: its steps are dropped.
  bool IsLiveCommandEntity(const Entity& commands) const;

  // The scheme that SetControls activates: "Null", "Game" or "InterpEdit". Callers store a
  // name, then call SetControls.
  const std::string& GetControlsName() const { return controlsName_; }
  void SetControlsName(const std::string& name) { controlsName_ = name; }
  // Gives the focus to the scheme named by the controls name (and to the developer scheme when
  // the settings ask for it); the event being dispatched reaches no further scheme.
  void SetControls();
  // Stores the name, then SetControls.
  void UseControls(const std::string& name);
  // The "Console" action: opens the console with the focus on its input, or closes it and
  // gives the focus back to the current scheme.
  void ToggleConsole();

  // Tells the previous thief it is no longer controlled and the new one that it is.
  void SetPlayerEntity(Entity* player);

  // Ends a running fly-through: the thief gets its camera back and the game controls the focus.
  void EndMapFlyThrough() override;
  // In game: opens or closes the in-game menu. In the menus: one screen back.
  void EscapePressed() override;
  // The developer's camera-path editor: switched on with the focus on "InterpEdit", off with it
  // back on "Game".
  void ToggleInterpEdit() override;
  // "Maps/" + the current map's name, the path its fly-through plays; empty outside a game.
  std::string GetCameraPathName() override;
  void ToggleBox() override;

  // A game is started by the next Update.
  void RequestStart() { startRequested_ = true; }
  // Clears the running game, then starts one from the map list at once. A start that fails
  // gives the player the main menu back, with the console open on the reason.
  void StartGame();
  void ClearGame();
  // "MainMenu" at once, the clock running, the game cleared, the main menu's buttons back at
  // rest.
  void ReturnToMainMenu() override;
  void SetInGame(bool inGame) { round_.inGame = inGame; }
  void SetRoundOver(bool over) { round_.roundOver = over; }
  void SetAlarmOn(bool on) { alarmOn_ = on; }
  bool IsAlarmOn() const { return alarmOn_; }
  void SetRoundTimeLeft(float seconds) { round_.timeLeft = seconds; }
  // 0 .. 3 agents chasing the user's thief, shown by the "Alert" sprites; anything else is
  // ignored.
  void SetAlertLevel(int32_t level);
  int32_t GetAlertLevel() const { return alertLevel_; }
  // The map-list file under "Data/" that the next game start reads.
  void SetMapListName(const std::string& name) { mapListName_ = name; }
  const std::string& GetMapListName() const { return mapListName_; }
  // The in-game menu (opened by escape): while it shows, the clock stands.
  void SetInGameMenu(bool shown) { inGameMenu_ = shown; }
  bool IsInGameMenu() const { return inGameMenu_; }

  // What the game's objects use of the program: the engine and this game logic.
  const GameServices& GetServices() const { return services_; }
  // The game as the AI's agents see it; the program hands it to the AI.
  AgentWorld& GetAgentWorld() { return agentWorld_; }
  LogicConfig& GetConfig() { return config_; }
  MenuFlow& GetMenus() { return menus_; }
  MuseumMaps& GetMaps() { return maps_; }
  FlyThrough& GetFlyThrough() { return flyThrough_; }
  GameFlow& GetGameFlow() { return flow_; }
  Tally& GetTally() { return tally_; }
  BspMap& GetCurrentMap() { return maps_.GetCurrent(); }
  const EntityList* GetPlayers() const { return lists_.Get("Player"); }

  // LogicServices
  bool IsInGame() const override { return round_.inGame; }
  bool IsRoundOver() const override { return round_.roundOver; }
  bool IsFlyThroughRunning() const override { return flyThrough_.IsRunning(); }
  int32_t GetDifficulty() const override { return config_.difficulty; }
  int32_t GetGender() const override { return menus_.GetGender(); }
  Entity* GetPlayerEntity() const override { return activePlayer_.Get(); }
  int32_t GetCurrentMapIndex() const override { return maps_.GetCurrentIndex(); }
  bool SetCurrentMap(int32_t index) override { return maps_.SetCurrent(index); }
  void RegisterEntity(const std::string& className, const Entity& entity) override {
    lists_.Register(className, entity);
  }
  void UnregisterEntity(const std::string& className, const Entity& entity) override {
    lists_.Unregister(className, entity);
  }
  const EntityList* GetEntities(const std::string& className) const override { return lists_.Get(className); }
  void MovePlayerToStart(Entity& player) override { start_.MovePlayerToStart(player); }
  Entity* CreateGadgetEnt(const std::string& name) override;
  void SetLastTeleporter(const Entity& teleporter, const std::string& cameraPath) override;
  void StartMapFlyThrough() override;
  void ReportBusted() override;
  void ReportItemTaken() override;
  void ReportItemDelivered() override;
  void UnfreezeLater(const Entity& entity, float delay) override;
  void RespawnItem(ItemRecord& record) override;

  // HudGame
  float GetRoundTimeLeft() const override { return round_.timeLeft; }
  bool IsOverlayActive() const override { return inGameMenu_; }
  bool IsBusted() const override;
  Entity* GetPlayer() const override { return activePlayer_.Get(); }
  void AddScore(int32_t ownerId, int32_t worth) override { tally_.AddScore(ownerId, worth); }
  void GetGuards(std::vector<GuardMark>& out) const override;
  void GetTeleporters(std::vector<PlaceMark>& out) const override;
  void GetDropoffs(std::vector<PlaceMark>& out) const override;

 private:
  Engine& engine_;
  GameServices services_;
  GameAgentWorld agentWorld_{services_};
  std::function<void(Logic&)> registerGameClasses_;
  EntityHandle commandEntity_;
  std::string mapListName_;
  bool startRequested_ = false;
  LogicConfig config_;
  // Set by the alarm and read by the frame's ambient pulse; the HUD writes the ammunition text.
  bool alarmOn_ = false;
  EntityHandle activePlayer_;
  std::string controlsName_;
  std::string ammoText_;
  EntityHandle lastTeleporter_;
  std::string lastTeleporterPath_;
  int32_t alertLevel_ = 0;
  bool inGameMenu_ = false;
  MenuFlow menus_;
  MuseumMaps maps_;
  ClassLists lists_;
  FlyThrough flyThrough_;
  RoundState round_;
  GameStart start_;
  RoundRules rules_;
  GameFlow flow_;
  Tally tally_;
};
