#pragma once
#include <cstdint>

#include "platform/math/Vector.h"

class Entity;

// A teleporter the AI may use, with where it stands and where it leads. The planner only hands
// `teleporter` back to its caller.
struct TeleporterEnds {
  Entity* teleporter = nullptr;
  platform::Vector3 position;
  int32_t mapIndex = 0;
  platform::Vector3 targetPosition;
  int32_t targetMapIndex = 0;
};
