#pragma once
#include "entity/Message.h"
#include "platform/math/Vector.h"

// What sets one pickup family apart: its spawn and pickup class names, the model (scaled), the
// axis it turns about, the message the thief that takes it is sent, and how soon its spawn
// makes a new one.
struct PickupFamily {
  const char* spawnClass;
  const char* pickupClass;
  const char* model;
  float scale;
  platform::Vector3 spinAxis;
  const Message<>& message;
  float respawnDelay;
};
