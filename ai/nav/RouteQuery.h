#pragma once
#include <cstdint>
#include <memory>

#include "ai/nav/AIRoute.h"
#include "platform/math/Vector.h"

class Entity;
struct AINode;

// A planning request: where from and to, and in which maps; and what came of it, which the
// route's follower takes over.
struct RouteQuery {
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

  // The planned route; none when there is no route at all.
  std::unique_ptr<AIRoute> planned;
  // Nothing to walk: the planned route is empty.
  uint8_t done = 0;
  // The route ends at `teleporter`, to go through towards the goal's map.
  uint8_t viaTeleporter = 0;
  Entity* teleporter = nullptr;

  // Drops what came of planning: no route, nothing done, no teleporter.
  void DropPlan() {
    planned.reset();
    done = 0;
    viaTeleporter = 0;
    teleporter = nullptr;
  }
};
