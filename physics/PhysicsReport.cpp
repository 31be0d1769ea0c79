#include "physics/PhysicsReport.h"

#include "entity/Entity.h"
#include "physics/PhysicalComp.h"
#include "physics/Physics.h"
#include "physics/PhysicsMath.h"
#include "physics/PhysicsMessages.h"
#include "platform/physics/Actor.h"
#include "platform/physics/Flags.h"
#include "platform/physics/Shape.h"

namespace pp = platform::physics;

void SendTouchMessage(const Message<Entity*>& message, uint8_t PhysicalComp::*optIn, Entity* to, Entity* other) {
  if (!to) return;
  auto* physical = to->Find<PhysicalComp>();
  if (!physical || !(physical->*optIn)) return;
  to->Send(message, other);
}

PhysicsReport::PhysicsReport(Physics& physics) : physics_(physics) {}

PhysicsReport::~PhysicsReport() {
  controllers.PurgeControllers();
  if (sdk) sdk->ReleaseScene(scene);
}

Entity* PhysicsReport::EntityOf(const pp::Actor* actor) const { return actor ? physics_.EntityOfActor(actor) : nullptr; }

void PhysicsReport::SendBoth(const Message<Entity*>& message, uint8_t PhysicalComp::*optIn, Entity* a, Entity* b) const {
  SendTouchMessage(message, optIn, a, b);
  SendTouchMessage(message, optIn, b, a);
}

void PhysicsReport::OnContactNotify(const pp::ContactPair& pair, uint32_t events) {
  // Rebuilt before any message of this report, so a handler reads the points of its own contact.
  auto& points = physics_.GetContactPoints();
  points.clear();
  for (const pp::ContactPoint& point : pair.points) {
    points.push_back(FromPhysics(point.position));
    physics_.GetContactNormal() = FromPhysics(point.normal);
  }
  Entity* e0 = EntityOf(pair.actors[0]);
  Entity* e1 = EntityOf(pair.actors[1]);
  if (events & pp::kNotifyOnTouch) SendBoth(kOnTouch, &PhysicalComp::sendOnTouch, e0, e1);
  if (events & pp::kNotifyOnStartTouch) SendBoth(kOnStartTouch, &PhysicalComp::sendOnStartTouch, e0, e1);
  if (events & pp::kNotifyOnEndTouch) SendBoth(kOnEndTouch, &PhysicalComp::sendOnEndTouch, e0, e1);
}

void PhysicsReport::OnTrigger(pp::Shape& triggerShape, pp::Shape& otherShape, uint32_t status) {
  Entity* trigger = EntityOf(&triggerShape.GetActor());
  Entity* other = EntityOf(&otherShape.GetActor());
  if (status & pp::kTriggerStatusEnter) {
    SendBoth(kOnStartTouch, &PhysicalComp::sendOnStartTouch, trigger, other);
  } else if (status & pp::kTriggerStatusLeave) {
    SendBoth(kOnEndTouch, &PhysicalComp::sendOnEndTouch, trigger, other);
  } else if (status & pp::kTriggerStatusStay) {
    SendBoth(kOnTouch, &PhysicalComp::sendOnTouch, trigger, other);
  }
}

uint32_t PhysicsReport::OnShapeHit(const pp::ControllerShapeHit& hit) {
  if (!hit.shape) return 1;
  Entity* shapeOwner = EntityOf(&hit.shape->GetActor());
  Entity* character = EntityOf(hit.controller->GetActor());
  SendBoth(kOnTouch, &PhysicalComp::sendOnTouch, shapeOwner, character);
  return 1;
}

uint32_t PhysicsReport::OnControllerHit(const pp::ControllersHit& hit) {
  if (!hit.other) return 1;
  SendBoth(kOnTouch, &PhysicalComp::sendOnTouch, EntityOf(hit.controller->GetActor()), EntityOf(hit.other->GetActor()));
  return 1;
}
