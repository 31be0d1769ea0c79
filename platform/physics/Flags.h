#pragma once
#include <cstdint>

// Bit values of the flags the game passes and reads. They keep the values the game's code was
// written with, so its numbers (body flags 126, shape flags 15, contact events 2/4/8) carry over.
namespace platform::physics {

// Which shapes a query considers.
enum ShapesType : uint32_t {
  kStaticShapes = 1,
  kDynamicShapes = 2,  // dynamic bodies and the character controllers' proxies
  kAllShapes = 3,
};

// Actor flags.
enum ActorFlag : uint32_t {
  kActorDisableResponse = 2,  // contacts are reported but never pushed apart
};

// Body flags: freezing an axis stops motion along or about it.
enum BodyFlag : uint32_t {
  kBodyFrozenPosX = 2,
  kBodyFrozenPosY = 4,
  kBodyFrozenPosZ = 8,
  kBodyFrozenRotX = 16,
  kBodyFrozenRotY = 32,
  kBodyFrozenRotZ = 64,
  kBodyFrozen = 126,
};

// Shape flags. A shape with any trigger bit is a trigger volume: it blocks nothing and reports
// the dynamic shapes and controllers that enter, stay in and leave it.
enum ShapeFlag : uint32_t {
  kTriggerOnEnter = 1,
  kTriggerOnLeave = 2,
  kTriggerOnStay = 4,
  kTriggerEnable = 7,
  kShapeVisualization = 8,  // the default flags of a shape
};

// Contact events of a contact report; an actor asks for them in its description.
enum ContactEvent : uint32_t {
  kNotifyOnStartTouch = 2,
  kNotifyOnEndTouch = 4,
  kNotifyOnTouch = 8,
  kNotifyAll = 14,
};

// Status of a trigger report (one bit per report).
enum TriggerStatus : uint32_t {
  kTriggerStatusEnter = 1,
  kTriggerStatusLeave = 2,
  kTriggerStatusStay = 4,
};

// What a character-controller move ran into.
enum ControllerCollision : uint32_t {
  kCollisionSides = 1,
  kCollisionUp = 2,
  kCollisionDown = 4,
};

}  // namespace platform::physics
