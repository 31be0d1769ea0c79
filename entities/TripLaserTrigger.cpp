#include "entities/TripLaserTrigger.h"

#include "entities/TripLaser.h"
#include "player/PlayerMessages.h"

void TripLaserTrigger::Describe(ClassBuilder<TripLaserTrigger>& c) {
  c.Component(&TripLaserTrigger::physical);
  c.Message(kDisable, &TripLaserTrigger::Disable);
}

TripLaserTrigger::TripLaserTrigger() {
  physical.isStatic = 1;
  physical.boxExtents = {kExtent, kExtent, kExtent};
}

void TripLaserTrigger::Disable(float seconds) {
  if (auto* owner = dynamic_cast<TripLaser*>(laser.Get())) owner->Disable(seconds);
}
