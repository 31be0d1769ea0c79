#pragma once
#include <cstdint>
#include <memory>

#include "entity/Message.h"
#include "platform/physics/Controller.h"
#include "platform/physics/PhysicsSdk.h"
#include "platform/physics/Reports.h"

class Entity;
class Physics;
class PhysicalComp;

// The world of one Physics::Init: the SDK object, its scene and the character controllers,
// and the reports through which the world tells what touched what. Each report becomes the
// messages "OnStartTouch", "OnTouch" and "OnEndTouch" to the entities owning the actors, each
// carrying the other entity (null for the world), delivered only when the receiver's
// "Physical" opted in to that kind.
class PhysicsReport : public platform::physics::ContactReport,
                      public platform::physics::TriggerReport,
                      public platform::physics::ControllerHitReport {
 public:
  explicit PhysicsReport(Physics& physics);
  // Releases the controllers first (their proxies live in the scene), then the scene and the
  // SDK object.
  ~PhysicsReport() override;
  PhysicsReport(const PhysicsReport&) = delete;
  PhysicsReport& operator=(const PhysicsReport&) = delete;

  void OnContactNotify(const platform::physics::ContactPair& pair, uint32_t events) override;
  void OnTrigger(platform::physics::Shape& triggerShape, platform::physics::Shape& otherShape,
                 uint32_t status) override;
  uint32_t OnShapeHit(const platform::physics::ControllerShapeHit& hit) override;
  uint32_t OnControllerHit(const platform::physics::ControllersHit& hit) override;

  std::unique_ptr<platform::physics::PhysicsSdk> sdk;
  platform::physics::Scene* scene = nullptr;
  platform::physics::ControllerManager controllers;

 private:
  Entity* EntityOf(const platform::physics::Actor* actor) const;
  // Both ways: first to a with b, then to b with a.
  void SendBoth(const Message<Entity*>& message, uint8_t PhysicalComp::*optIn, Entity* a, Entity* b) const;

  Physics& physics_;
};

// Delivers a touch message to `to` when its "Physical" component opted in to it.
void SendTouchMessage(const Message<Entity*>& message, uint8_t PhysicalComp::*optIn, Entity* to, Entity* other);
