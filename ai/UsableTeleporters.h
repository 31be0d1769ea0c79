#pragma once
#include <vector>

#include "ai/nav/TeleporterEnds.h"

class AgentWorld;

// The running game's teleporters, in the game's list order, that are not banned and whose
// target exists.
std::vector<TeleporterEnds> UsableTeleporters(const AgentWorld& world);
