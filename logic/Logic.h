#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "engine/EngineSystem.h"
#include "entity/EntityManager.h"
#include "graphics/GameView.h"
#include "logic/MenuFlow.h"
#include "logic/MuseumMaps.h"

class BspMap;
class Entity;

// The game logic: the command entity that carries out the menu and game commands, the control
// schemes and which of them has the input focus, the thief under control, the fly-through
// state, the menu flow and the museum's maps.
class Logic : public EngineSystem, public GameView {
 public:
  // The game's entity classes come from the program that composes the systems: registering
  // them here would tie the game logic to every folder that defines one.
  explicit Logic(std::function<void()> registerGameClasses);
  ~Logic() override;

  void RegisterTypes() override;
  void Init() override;
  void Shutdown() override;
  void Update() override;
  std::string GetName() override { return "Logic"; }

  // The "LogicCmds" entity; null before Init and after the entities are deleted.
  Entity* GetCommandEntity() const { return commandEntity_.Get(); }
  // Sends the command at once to the command entity (nothing without one).
  void SendCommand(const std::string& name) override;
  // The command comes back to the command entity `delay` seconds later on the engine timer.
  void PostCommand(const std::string& name, float delay);

  // The scheme that SetControls activates: "Null", "Game" or "InterpEdit". Callers store a
  // name, then call SetControls.
  const std::string& GetControlsName() const { return controlsName_; }
  void SetControlsName(const std::string& name) { controlsName_ = name; }
  // Gives the focus to the scheme named by the controls name; the event being dispatched
  // reaches no further scheme.
  void SetControls();
  // The "Console" action: opens the console with the focus on its input, or closes it and
  // gives the focus back to the current scheme.
  void ToggleConsole();

  // The thief under control, looked up afresh; null when there is none.
  Entity* GetPlayerEntity() const { return activePlayer_.Get(); }
  // Tells the previous thief it is no longer controlled and the new one that it is.
  void SetPlayerEntity(Entity* player);

  // While a map's camera fly-through plays the round timer stands still and no thief is
  // steered. Starting one belongs to the game start.
  bool IsFlyThroughRunning() const override { return flyThroughRunning_ != 0; }
  void SetFlyThroughRunning(bool running) { flyThroughRunning_ = running ? 1 : 0; }
  // Ends a running fly-through: the thief gets its camera back and the game controls the focus.
  void EndMapFlyThrough();
  // Escape in the menus: one screen back; on the credits the program ends. (In game it opens
  // and closes the in-game menu, which comes with the game start.)
  void EscapePressed() { menus_.EscapePressed(); }

  MenuFlow& GetMenus() { return menus_; }
  MuseumMaps& GetMaps() { return maps_; }
  BspMap& GetCurrentMap() { return maps_.GetCurrent(); }
  int32_t GetCurrentMapIndex() const override { return maps_.GetCurrentIndex(); }
  bool SetCurrentMap(int32_t index) { return maps_.SetCurrent(index); }

 private:
  std::function<void()> registerGameClasses_;
  EntityHandle commandEntity_;
  EntityHandle activePlayer_;
  std::string controlsName_;
  uint8_t flyThroughRunning_ = 0;
  MenuFlow menus_;
  MuseumMaps maps_;
  // Set by the alarm and read by the frame's ambient pulse; the HUD writes the ammunition text.
  bool alarmOn_ = false;
  std::string ammoText_;
};
