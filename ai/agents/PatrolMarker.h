#pragma once
#include <cstdint>
#include <string>

#include "entity/EntityManager.h"
#include "platform/math/Vector.h"

// What guard set-up reads of one placed patrol point.
struct PatrolMarker {
  EntityHandle source;
  platform::Vector3 position;
  int32_t mapIndex = 0;
  // The map's own number plus ten times the map index.
  int32_t pathNum = 0;
  int32_t id = 0;
  float pause = 0;
  std::string direction;
  std::string type;
};
