#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/EngineSystem.h"
#include "entity/EntityManager.h"

class BspMap;
class Entity;

// The game logic: the command entity that carries out the menu and game commands, the control
// schemes and which of them has the input focus, the thief under control, the fly-through
// state and the loaded maps of the museum with the current one.
class Logic : public EngineSystem {
 public:
  Logic();
  ~Logic() override;

  void RegisterTypes() override;
  void Init() override;
  void Shutdown() override;
  void Update() override;
  std::string GetName() override { return "Logic"; }

  // The "LogicCmds" entity; null before Init and after the entities are deleted.
  Entity* GetCommandEntity() const { return commandEntity_.Get(); }
  // Sends the command at once to the command entity (nothing without one).
  void SendCommand(const std::string& name);

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
  bool IsFlyThroughRunning() const { return flyThroughRunning_ != 0; }
  void SetFlyThroughRunning(bool running) { flyThroughRunning_ = running ? 1 : 0; }
  // Ends a running fly-through: the thief gets its camera back and the game controls the focus.
  void EndMapFlyThrough();
  // Escape in the menus: one screen back; on the credits the program ends. (In game it opens
  // and closes the in-game menu, which comes with the game start.)
  void EscapePressed();

  // The thief the user chose on the outfit screen: gender 0 male, 1 female; outfit 0 .. 3.
  int32_t GetGender() const { return gender_; }
  void SetGender(int32_t gender) { gender_ = gender; }
  int32_t GetOutfit() const { return outfit_; }
  void SetOutfit(int32_t outfit) { outfit_ = outfit; }

  // The loaded maps, in map-list order, each knowing its own index.
  // Loads "Maps/" + name for each name, in order, in place of the maps loaded before (the
  // default map is made current first). Stops at the first map that cannot be read, throwing its
  // BspError; that map stays in the list, empty, and a later call starts afresh.
  void LoadMaps(const std::vector<std::string>& names);
  size_t GetMapCount() const { return maps_.size(); }
  // A copy of the name of a loaded map; the index must be valid.
  std::string GetMapName(int32_t index) const { return mapNames_[static_cast<size_t>(index)]; }
  // The loaded map at the current index, or the empty default map while none is current.
  BspMap& GetCurrentMap();
  int32_t GetCurrentMapIndex() const { return currentMap_; }
  // Makes a loaded map current (-1: the default map) and tells the sound, the graphics and the
  // physics. Returns false, changing nothing, for an index outside -1 .. count - 1.
  bool SetCurrentMap(int32_t index);

 private:
  EntityHandle commandEntity_;
  EntityHandle activePlayer_;
  std::string controlsName_;
  uint8_t flyThroughRunning_ = 0;
  int32_t gender_ = 1;
  int32_t outfit_ = 2;
  std::vector<std::unique_ptr<BspMap>> maps_;
  std::vector<std::string> mapNames_;
  std::unique_ptr<BspMap> defaultMap_;
  int32_t currentMap_ = -1;
  // Set by the alarm and read by the frame's ambient pulse; the HUD writes the ammunition text.
  bool alarmOn_ = false;
  std::string ammoText_;
};
