#pragma once
#include <cstdint>
#include <vector>

#include "platform/math/Vector.h"

class AgentWorld;
class Entity;

// A teleporter the AI may use, with where it stands and where it leads.
struct TeleporterEnds {
  Entity* teleporter = nullptr;
  platform::Vector3 position;
  int32_t mapIndex = 0;
  platform::Vector3 targetPosition;
  int32_t targetMapIndex = 0;
};

// The running game's teleporters, in the game's list order, that are not banned and whose
// target exists.
std::vector<TeleporterEnds> UsableTeleporters(const AgentWorld& world);
