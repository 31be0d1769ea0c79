#pragma once
#include <cstdint>

#include "ai/AIRoute.h"
#include "platform/math/Vector.h"

class AIRouteRequest;
struct AINode;

// A planning request: where from and to, and in which maps; the route goes to `request`.
struct RouteQuery {
  AIRouteRequest* request = nullptr;
  // Searches that found no route.
  int32_t failures = 0;
  // The search's working route.
  AIRoute route;
  platform::Vector3 start;
  // May be replaced by a teleporter leading towards the goal's map.
  platform::Vector3 goal;
  const AINode* startNode = nullptr;
  const AINode* goalNode = nullptr;
  int32_t mapIndex = 0;
  int32_t goalMapIndex = 0;
  // Set when the last search ran out of open entries or route length, or found no way.
  uint8_t failed = 0;
};
