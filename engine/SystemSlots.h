#pragma once

class AI;
class CurrentMapSource;
class Graphics;
class Input;
class Logic;
class Physics;
class Sound;

// The engine's typed view of its six systems, for its typed accessors. Each real system enters
// itself in its own slot (EngineSystem::TakeSlot), so that the engine names the systems above it
// without including them; a system standing in for one leaves the slot empty.
struct SystemSlots {
  AI* ai = nullptr;
  Sound* sound = nullptr;
  Graphics* graphics = nullptr;
  Input* input = nullptr;
  Physics* physics = nullptr;
  Logic* logic = nullptr;
  // The game logic again, as the holder of the current map.
  CurrentMapSource* currentMap = nullptr;
};
