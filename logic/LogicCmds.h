#pragma once
#include <string>

#include "entity/EntityClass.h"

class MenuFlow;

// The entity through which the game-flow commands reach the game logic: the clicks of the GUI
// screens on "GUICmd", alarms on "AlarmCmd", the developer commands on "ConsoleCmd" (the game
// logic subscribes it there), the per-frame handlers of the screens and the escape key. It
// holds nothing: its table binds each command to the game logic's object that carries it out.
class LogicCmds : public EntityClass<LogicCmds> {
 public:
  static constexpr char kClassName[] = "LogicCmds";
  static void Describe(ClassBuilder<LogicCmds>& c);
  void OnCreate() override;

  // Developer commands on the current map and the physics.
  void MapTo3ds(std::string fileName);
  void LockVis(bool locked);
  void PurgePhy();
  void MapIndex(int index);

  void QuitGame();
  void EscapePressed();

 private:
  // A menu command, carried out by the game logic's menu flow.
  template <void (MenuFlow::*Step)()>
  void Menu();
  template <int32_t N>
  void OutfitToggle();
};
