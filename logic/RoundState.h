#pragma once
#include "entities/ItemStore.h"
#include "entity/EntityManager.h"

// The running game as a game start sets it up and the game logic keeps it: whether a game runs
// and its round is over, the round's clock, the command entity of this game and the museum's
// exhibits. The game logic owns it and hands it to its game start.
struct RoundState {
  // The command entity of the running game, deleted with it, so its pending steps go too.
  EntityHandle gameCommands;
  ItemStore items;
  bool inGame = false;
  bool roundOver = false;
  // Seconds left on the round's clock.
  float timeLeft = 0.0f;
};
