#pragma once
#include <cstdint>
#include <string>

#include "platform/math/Vector.h"

class Engine;
class Entity;
class LogicServices;
class ParticleManager;

// What the game's objects (the thieves, their gadgets and pickups, the level's entities) use of
// the program: the engine's services and systems, and the game logic. The game logic makes it
// and hands it to every such class's factory when the program registers the classes, so that
// each object has it from the moment it is made. Without the sound or graphics system (a
// headless run) the effects start nothing.
class GameServices {
 public:
  GameServices(Engine& engine, LogicServices& logic) : engine(engine), logic(logic) {}

  // The thief the user controls; null outside a game.
  Entity* UserThief() const;
  // The round has ended (a bust or time up); false outside a game.
  bool IsRoundOver() const;

  void PlaySound3D(const std::string& name, Entity* at) const;
  void PlaySound2D(const std::string& name) const;
  // The graphics' particle manager, or null.
  ParticleManager* Particles() const;
  // One burst of "PoofConfig" at a point of a map, dying out by itself.
  void Poof(int32_t mapIndex, const platform::Vector3& position) const;

  Engine& engine;
  LogicServices& logic;
};
