#pragma once
#include "entity/EntityClass.h"
#include "physics/PhysicalComp.h"

// The box a trip laser puts around its emitter so that taser shots have something to hit;
// it hands the shot on to its laser.
class TripLaserTrigger : public EntityClass<TripLaserTrigger> {
 public:
  static constexpr char kClassName[] = "TripLaserTrigger";
  static constexpr float kExtent = 20.0f;
  static void Describe(ClassBuilder<TripLaserTrigger>& c);

  TripLaserTrigger();
  void OnCreate() override {}
  void Disable(float seconds);

  PhysicalComp physical;
  EntityHandle laser;
};
