#pragma once
#include <cstdint>

#include "entity/Component.h"
#include "platform/math/Vector.h"

namespace platform::physics {
class Controller;
}

// Moves a thief or a guard as a character, found as "PlayerPhysics": a character controller
// made at the entity's "Physical" position by the first physics update, moved each update by
// `move` plus gravity, sliding along walls and climbing steps. Its actor becomes the actor of the
// entity's "Physical" (whose externalActor the entity sets), so positions, contacts and rays see
// the character like any body. This component owns the controller and releases it, once.
class PlayerPhysics : public Component {
 public:
  static constexpr char kComponentName[] = "PlayerPhysics";
  enum ControllerKind : uint32_t { kRadius = 0, kBox = 1 };

  PlayerPhysics() = default;
  ~PlayerPhysics() override;
  PlayerPhysics(const PlayerPhysics&) = delete;
  PlayerPhysics& operator=(const PlayerPhysics&) = delete;

  // Registers with the physics system.
  void Activate() override;

  void SetupController();
  void Move();
  // Resizes the controller from the owner's "BoundingData" when its changed flag is set.
  void UpdateControllerSize();
  // Forgets the controller of the world being shut down (the world releases it).
  void DetachFromWorld();

  platform::physics::Controller* boxController = nullptr;
  platform::physics::Controller* radiusController = nullptr;
  platform::physics::Controller* controller = nullptr;
  platform::Vector3 move;
  platform::Vector3 fallVelocity;
  // The movement code's speeds; this component does not use them.
  float speed = 200.0f;
  float maxSpeed = 0;
  float savedSpeed = 0;
  float targetSpeed = 200.0f;
  uint32_t controllerKind = kBox;
  uint8_t controllerCreated = 0;

 private:
  void ReleaseController();
};
