#pragma once
#include <string>

#include "entity/EntityClass.h"

class Engine;
class GameFlow;
class Logic;
class MenuFlow;
class Tally;

// The entity through which the game-flow commands reach the game logic: the clicks of the GUI
// screens on "GUICmd", alarms on "AlarmCmd", the developer commands on "ConsoleCmd" (the game
// logic subscribes it there), the per-frame handlers of the screens and the escape key. It
// holds nothing but the engine and the game logic it is made for: its table binds each command
// to the game logic's object that carries it out.
class LogicCmds : public EntityClass<LogicCmds> {
 public:
  static constexpr char kClassName[] = "LogicCmds";
  static void Describe(ClassBuilder<LogicCmds>& c);
  LogicCmds(Engine& engine, Logic& logic) : engine_(engine), logic_(logic) {}
  void OnCreate() override;

  // Developer commands on the current map and the physics.
  void MapTo3ds(std::string fileName);
  void LockVis(bool locked);
  void PurgePhy();
  void MapIndex(int index);

  void QuitGame();
  void EscapePressed();
  // "map name": the named map list, started at once.
  void Map(std::string listName);
  void StartGame();
  void UnfreezeEntity(uint32_t id);

 private:
  Engine& engine_;
  Logic& logic_;

  // A menu command, carried out by the game logic's menu flow.
  template <void (MenuFlow::*Step)()>
  void Menu();
  template <int32_t N>
  void OutfitToggle();
  template <int32_t N>
  void ChangeDifficulty();
  template <int32_t N>
  void ChangeTime();
  // A step of the running game, carried out by the game logic's in-game flow; dropped when it
  // reaches the command entity of a game cleared since.
  template <void (GameFlow::*Step)()>
  void Game();
  // A step of the end of a round.
  template <void (Tally::*Step)()>
  void Round();
};
