#pragma once
#include <cstdint>
#include <string>

#include "entity/EntityManager.h"

// One step of an agent's behaviour, as the action file names it: what to do, how fast, for how
// long, how urgently, and at whom. The target is held by id, so an entity deleted while aimed at
// (an item another thief took) simply resolves to none.
struct AIAction {
  std::string name;
  // Seconds; 0 means the action ends only by its own effect (or its age limit).
  float time = 0;
  float speed = 0;
  // Timer time at which the action was copied into the queue.
  double startStamp = 0;
  int32_t priority = 0;
  EntityHandle target;
  uint8_t started = 0;
};
