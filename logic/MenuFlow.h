#pragma once
#include <cstdint>
#include <string>

class Engine;
class Logic;

// The walk through the menu screens: the buttons' commands, the screens they lead to, escape
// one screen back, the per-frame handlers of the menu screens and the thief chosen on the outfit
// screen. Follow-up steps come back through the game logic's command entity as delayed commands.
class MenuFlow {
 public:
  MenuFlow(Engine& engine, Logic& logic) : engine_(engine), logic_(logic) {}

  // Main menu buttons and the screens they lead to.
  void ClickStartGame();
  void ClickGo();
  void ClickQuitGame();
  void ClickPlayerSelect();
  void MainMenu();
  void Load();
  void PlayerSelect();
  void OutfitSelect();
  void Options();
  void ShowCredits();
  // The thief's gender and outfit, shown on the outfit screen's preview model.
  void OutfitSelectMale();
  void OutfitSelectFemale();
  void SelectOutfit(int32_t outfit);
  // Escape in the menus: one screen back; on the credits the program ends.
  void EscapePressed();

  // The options screen's choices, kept in memory only (the settings file keeps its own).
  void ChangeDifficulty(int32_t difficulty);
  void ChangeTime(float minutes);

  // Per-frame handlers of the screens that name them.
  void ArrowMoveHandler();
  void CreditsHandler();
  // The arrow, and the chosen difficulty and round time lit.
  void OptionsHandler();

  // Gender 0 male, 1 female; outfit 0 .. 3.
  int32_t GetGender() const { return gender_; }
  int32_t GetOutfit() const { return outfit_; }

 private:
  void SelectGender(int32_t gender, const char* model);
  void PostGameStart();

  Engine& engine_;
  Logic& logic_;
  int32_t gender_ = 1;
  int32_t outfit_ = 2;
  // The credits end the program, so they run once a run.
  bool creditsRunning_ = false;
};
