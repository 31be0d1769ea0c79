#pragma once
#include "entity/EntityClass.h"
#include "physics/MapIndexComp.h"
#include "physics/PhysicalComp.h"

class AI;

// A place a map marks for the AI: a position with no physics body (rays pass through it), in
// the map its MapIndexComp names. Its start-up hands it to the AI.
template <class T>
class AIMarker : public EntityClass<T> {
 public:
  static void Describe(ClassBuilder<T>& c) {
    // The members are this base's: named as members of T for the class table.
    const auto physicalMember = static_cast<PhysicalComp T::*>(&AIMarker::physical);
    c.Component(physicalMember);
    c.Component(static_cast<MapIndexComp T::*>(&AIMarker::mapIndex));
    c.Field("Pos", physicalMember);
  }

  AIMarker() { physical.createActor = 0; }

  PhysicalComp physical;
  MapIndexComp mapIndex;
};

// The AI of this process, or null.
AI* TheAI();
