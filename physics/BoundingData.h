#pragma once
#include <cstdint>

#include "entity/Component.h"

// The size of an entity's model, found as "BoundingData". The model component fills it when a
// model loads and raises `changed`; the physics components resize the body or the character
// controller from it at their next update and clear the flag.
class BoundingData : public Component {
 public:
  static constexpr char kComponentName[] = "BoundingData";
  // Driven by no system.
  void Activate() override {}

  // Half the model's extents: the box values of box shapes and box controllers.
  float halfSizeX = 0;
  float halfSizeY = 0;
  float halfSizeZ = 0;
  // The model's bounding radius: sphere shapes and round controllers.
  float radius = 0;
  uint8_t changed = 0;
};
