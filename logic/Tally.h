#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "logic/RoundResult.h"

class GUIScreen;
class Engine;
class Logic;

// The end of a round: the results of every thief taken before the game is cleared, each thief's
// deliveries shown and credited one step at a time, the scores counting up on screen, then the
// places; a key or button press then returns to the main menu.
class Tally {
 public:
  static constexpr int32_t kColumns = 4;

  Tally(Engine& engine, Logic& logic) : engine_(engine), logic_(logic) {}

  // Binds "Score1" .. "Score4" to the shown scores, which live here, so that the variables stay
  // valid whatever ids a later round has.
  void BindScores();

  void EndGame();
  void NextItem();
  void ShowWinner();
  // Every frame on the tally screen.
  void EndRoundHandler();
  // A delivery's worth goes to every result of that thief.
  void AddScore(int32_t id, int32_t worth);

  const std::vector<RoundResult>& GetResults() const { return results_; }
  bool IsWinnerShown() const { return winnerShown_; }

 private:
  void CollectRoundResults();
  // Each column shows its thief and score only when a thief of the round wears its outfit; an
  // empty column's score variable reads as empty text. The places of an earlier tally go.
  void ShowColumns(GUIScreen* screen);
  // Writes a result's shown score into its column's variable (ids outside 0 .. 3 have none).
  void Publish(const RoundResult& result);

  Engine& engine_;
  Logic& logic_;
  std::vector<RoundResult> results_;
  std::array<int32_t, kColumns> shownScores_{};
  std::string noScore_;
  bool winnerShown_ = false;
};
