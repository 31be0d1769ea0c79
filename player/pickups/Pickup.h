#pragma once
#include "engine/Engine.h"
#include "entity/EntityClass.h"
#include "graphics/ModelComp.h"
#include "physics/BoundingData.h"
#include "physics/ClusterInfo.h"
#include "physics/PhysicalComp.h"
#include "platform/math/Quaternion.h"
#include "player/GameServices.h"
#include "player/PlayerInfo.h"
#include "player/PlayerMessages.h"
#include "player/pickups/PickupFamily.h"

// A box, smoke grenade or battery lying about the museum: it spins, and the first one with a
// "PlayerInfo" to touch it is sent the family's message ("GetBox" ...) and takes it; its spawn
// point (if a spawn point made it) makes a new one after the family's delay. A map may place
// one itself: it can be taken and never comes back.
template <const PickupFamily& Family>
class Pickup : public EntityClass<Pickup<Family>> {
 public:
  static constexpr const char* kClassName = Family.pickupClass;
  static constexpr float kDegreesPerSecond = 75.0f;

  static void Describe(ClassBuilder<Pickup>& c) {
    c.Component(&Pickup::physical);
    c.Component(&Pickup::model);
    c.Component(&Pickup::bounds);
    c.Component(&Pickup::cluster);
    c.Message(kOnUpdate, &Pickup::OnUpdate);
    c.Message(kOnTouch, &Pickup::OnTouch);
    c.Field("PhysicalComp", &Pickup::physical);
  }

  explicit Pickup(const GameServices& services) : services_(services) {
    physical.isStatic = 1;
    physical.sendOnTouch = 1;
  }

  void OnCreate() override {
    model.Load(Family.model);
    services_.engine.GetMessageQueue()->RegisterUpdate(this);
    if (Family.scale != 1.0f) {
      model.scale = Family.scale;
      model.UpdateWorldMatrix();
    }
  }

  void OnUpdate() {
    const float angle = static_cast<float>(services_.engine.GetTimer()->GetDelta()) * kDegreesPerSecond * 0.017453292f;
    const platform::Quaternion turn = platform::QuaternionRotationAxis(Family.spinAxis, angle);
    physical.SetOrientation(platform::QuaternionNormalize(platform::QuaternionMultiply(turn, physical.GetOrientation())));
  }

  void OnTouch(Entity* other) {
    // Hidden once taken: a second toucher in the same frame gets nothing.
    if (!model.visible || !other || !other->Find<PlayerInfo>()) return;
    if (other == services_.UserThief()) services_.PlaySound3D("gadget pickup", this);
    other->Send(Family.message);
    model.visible = 0;
    if (Entity* origin = spawn.Get()) services_.engine.GetMessageQueue()->Post(origin, kRespawn, Family.respawnDelay);
    services_.engine.GetEntityManager()->QueueDelete(this);
  }

  EntityHandle spawn;
  ModelComp model;
  PhysicalComp physical;
  BoundingData bounds;
  ClusterInfo cluster;

 private:
  const GameServices services_;
};
