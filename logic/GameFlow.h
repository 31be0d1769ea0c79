#pragma once
#include <cstdint>

class Engine;
class Logic;

// The in-game commands: the bust screen and its end, the hints for a taken and a delivered item,
// the alarm's end, the in-game menu that escape opens and closes, and leaving the game for the
// main menu or the credits. Steps that come later are posted as the running game's commands,
// so they are dropped when the game is cleared first.
class GameFlow {
 public:
  GameFlow(Engine& engine, Logic& logic) : engine_(engine), logic_(logic) {}

  void Busted();
  void HideBusted();
  bool IsBusted() const { return busted_; }
  void GetItem();
  void HideItem();
  void DropOffItem();
  void Alarm();
  void AlarmOff();
  // The taser's stun wears off: the entity's body is unfrozen if it still exists.
  void UnfreezeEntity(uint32_t id);
  // Escape during a game: the in-game menu opens (the clock stands, the thief is not steered)
  // or closes again.
  void ToggleInGameMenu();
  void EndSession();
  void ExitFromGame();
  // A cleared game has no bust running.
  void Clear() { busted_ = false; }

 private:
  Engine& engine_;
  Logic& logic_;
  bool busted_ = false;
};
