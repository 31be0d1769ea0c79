#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "map/MapEntityPlacer.h"

class Engine;
class Entity;
class Logic;
class MapCollision;
struct RoundState;

// Starting a game: the old game cleared, the museum's maps loaded once per run (every start
// after the first reuses them), each map's collision cooked and its entities made, the user's
// thief made and stood at a start, the HUD shown, the game controls given the focus and the
// first fly-through begun. It sets up the round's state that the game logic hands it.
class GameStart : public MapEntityPlacer {
 public:
  GameStart(Engine& engine, Logic& logic, RoundState& round);
  ~GameStart() override;

  // False when the game could not be built (logged on "LogicLog"): no game runs then.
  bool Start();
  // The thief's gadget stock refilled, then the next player start in turn (the first thief
  // placed in a run takes the second start); without starts it stands at (0, 0, 500).
  void MovePlayerToStart(Entity& player);
  bool AreMapsLoaded() const { return mapsLoaded_; }

  // MapEntityPlacer: the game's components take what the maps' entity text gives them.
  bool HasBody(Entity& entity) override;
  void SetPosition(Entity& entity, const platform::Vector3& position) override;
  void SetModelName(Entity& entity, const std::string& name) override;
  void SetMapIndex(Entity& entity, int32_t index) override;
  Component* FindTargetReference(Entity& entity) override;
  void SetTeleporterKeys(Entity& entity, const TeleporterKeys& keys) override;

 private:
  // Maps, collision and entities; false (logged) when the game cannot be built.
  bool BuildMuseum();
  void CookAndPlace(MapEntityNames& names);
  void ResolveTargets(const MapEntityNames& names);
  void CreateUserThief();
  // The guards and the computer thieves, once the user's thief exists.
  void CreateComputerThieves();
  void ShowHud();

  Engine& engine_;
  Logic& logic_;
  RoundState& round_;
  bool mapsLoaded_ = false;
  uint32_t nextStart_ = 0;
  std::vector<std::unique_ptr<MapCollision>> collisions_;
};
