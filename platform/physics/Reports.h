#pragma once
#include <cstdint>
#include <span>

#include "platform/physics/Vector.h"

// The callbacks through which a scene and the character controllers tell the game what touched
// what. They are called after the simulation step (from Scene::FetchResults) or at the end of a
// controller move, never from inside the simulator, so a handler may create and release actors.
namespace platform::physics {

class Actor;
class Shape;
class Controller;

struct ContactPoint {
  Vec3 position;    // world position on the second actor's surface
  Vec3 normal;      // world normal, pointing from the second actor towards the first
  float separation; // negative while the shapes overlap
};

struct ContactPair {
  Actor* actors[2];
  std::span<const ContactPoint> points;  // empty for an end-of-touch report
};

// Contacts of actors that asked for them (ActorDesc::contactReportFlags): events hold
// kNotifyOnStartTouch on the first step of a contact, kNotifyOnTouch on every step while it
// lasts (the first included) and kNotifyOnEndTouch once it is over, each only when one of the
// two actors asked for it.
class ContactReport {
 public:
  virtual ~ContactReport() = default;
  virtual void OnContactNotify(const ContactPair& pair, uint32_t events) = 0;
};

// Dynamic shapes and controllers entering, staying in and leaving trigger shapes; status is one
// TriggerStatus bit, sent only when the trigger shape's flags ask for it.
class TriggerReport {
 public:
  virtual ~TriggerReport() = default;
  virtual void OnTrigger(Shape& triggerShape, Shape& otherShape, uint32_t status) = 0;
};

struct ControllerShapeHit {
  Controller* controller;
  Shape* shape;
  Vec3 worldPosition;  // where the controller's shape met it
  Vec3 worldNormal;
  Vec3 direction;      // unit direction of the motion that met it
  float length;        // length of that motion
};

struct ControllersHit {
  Controller* controller;
  Controller* other;
};

// Once per move and per shape (or other controller) that the move ran into, the floor included.
// The answers are kept for the game's signature; the controller does not use them.
class ControllerHitReport {
 public:
  virtual ~ControllerHitReport() = default;
  virtual uint32_t OnShapeHit(const ControllerShapeHit& hit) = 0;
  virtual uint32_t OnControllerHit(const ControllersHit& hit) = 0;
};

}  // namespace platform::physics
