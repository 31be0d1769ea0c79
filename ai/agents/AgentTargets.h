#pragma once
#include "entity/EntityManager.h"

// What perception, the finders and the brain have picked, held by id and resolved at each use:
// an item taken by another thief, a bomb that burst or a thief that left simply reads as none.
struct AgentTargets {
  // Every slot but the teleporter, which a search keeps across resets.
  void ClearAllButTeleporter() {
    EntityHandle keep = teleporter;
    *this = AgentTargets{};
    teleporter = keep;
  }

  EntityHandle seenThief;
  EntityHandle heardThief;
  EntityHandle seenGuard;
  EntityHandle seenSleepingGuard;
  EntityHandle spawn;
  EntityHandle item;
  EntityHandle dropoff;
  EntityHandle tripLaser;
  EntityHandle teleporter;
  EntityHandle battery;
};
