#pragma once

class Entity;
class Engine;
class Logic;

// The round as it runs every frame: the clock (standing while a fly-through plays), time-up
// reported once, and the rules that bring thieves and the level together, compared on squared
// distances so that no square root is taken per thief and frame.
class RoundRules {
 public:
  RoundRules(Engine& engine, Logic& logic) : engine_(engine), logic_(logic) {}

  // The clock and time-up; only while a game runs.
  void UpdateClock();
  // Every rule for every thief, in the "Player" list's order.
  void ApplyToPlayers();

  // A thief standing by a teleporter of its map can enter it: the first in reach of the list.
  void CheckTeleporters(Entity& player);
  // Every guard of the thief's map within reach touches it, unless it hides under its box. A
  // computer thief is touched from farther away (1.5 times the squared reach).
  void CheckGuards(Entity& player);
  // A thief within reach of a drop-off of its map delivers what it carries.
  void CheckItemDropoffs(Entity& player);

  // The alert lamps show how many agents are after the user's thief.
  void ShowChasers();

 private:
  Engine& engine_;
  Logic& logic_;
};
