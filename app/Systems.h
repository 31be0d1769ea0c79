#pragma once
#include "engine/Engine.h"

// The six real systems, in the order the engine creates them.
SystemFactories GameSystems();
