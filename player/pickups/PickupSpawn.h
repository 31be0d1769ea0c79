#pragma once
#include "engine/Engine.h"
#include "entity/EntityClass.h"
#include "physics/PhysicalComp.h"
#include "player/PlayerMessages.h"
#include "player/pickups/Pickup.h"

// Where a map puts a pickup of the family: it makes one at once and a new one whenever told
// "Respawn" (the pickup taken tells it, after the family's delay). A pose only, never touched.
template <const PickupFamily& Family>
class PickupSpawn : public EntityClass<PickupSpawn<Family>> {
 public:
  static constexpr const char* kClassName = Family.spawnClass;

  static void Describe(ClassBuilder<PickupSpawn>& c) {
    c.Component(&PickupSpawn::physical);
    c.Message(kRespawn, &PickupSpawn::Respawn);
    c.Field("PhysicalComp", &PickupSpawn::physical);
  }

  explicit PickupSpawn(const GameServices& services) : services_(services) { physical.createActor = 0; }
  void OnCreate() override { Respawn(); }

  void Respawn() {
    auto* pickup = new Pickup<Family>(services_);
    services_.engine.GetEntityManager()->AddEntity(pickup);
    Entity::SetUp(pickup);
    pickup->spawn.Set(this);
    pickup->physical.SetPosition(physical.GetPosition());
  }

  PhysicalComp physical;

 private:
  const GameServices services_;
};
