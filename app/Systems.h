#pragma once
#include "engine/Engine.h"

// The six real systems, in the order the engine creates them.
SystemFactories GameSystems();
// Hands each system the higher ones it sees through its own small interfaces: the graphics
// see the game logic as their game view and HUD game and the input as their input view, the
// sound the game logic as its game view; the thieves, the level and the AI as their logic
// services; the control schemes as the game they serve; and the physics ask the thieves which
// of them the user steers. Runs after the engine has made the systems.
void ConnectGameSystems(Engine& engine);
