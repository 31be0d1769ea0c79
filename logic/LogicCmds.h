#pragma once
#include <string>

#include "entity/EntityClass.h"

// The entity through which the game-flow commands reach the game logic: the clicks of the GUI
// screens on "GUICmd", alarms on "AlarmCmd", the developer commands on "ConsoleCmd" (the game
// logic subscribes it there), the per-frame handlers of the screens and the escape key. It
// holds nothing; follow-up steps come back to it as delayed messages. Each handler is named
// after its command.
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

  // Main menu buttons and the screens they lead to.
  void ClickStartGame();
  void ClickGo();
  void ClickQuitGame();
  void ClickPlayerSelect();
  void QuitGame();
  void MainMenu();
  void Load();
  void PlayerSelect();
  void OutfitSelect();
  // The thief's gender and outfit, shown on the outfit screen's preview model.
  void OutfitSelectMale();
  void OutfitSelectFemale();
  template <int32_t N>
  void OutfitToggle();
  void Options();
  void ShowCredits();
  void EscapePressed();

  // Per-frame handlers of the screens that name them.
  void ArrowMoveHandler();
  void CreditsHandler();

 private:
  void SelectGender(int32_t gender, const char* model);
  void SelectOutfit(int32_t outfit);
  // The command comes back to this entity `delay` seconds later on the engine timer.
  void Post(const std::string& command, float delay);
  void PostGameStart();
};

template <int32_t N>
void LogicCmds::OutfitToggle() {
  SelectOutfit(N - 1);
}
