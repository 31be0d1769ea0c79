#pragma once
#include <cstdint>
#include <memory>

#include "entity/Component.h"
#include "platform/math/Quaternion.h"
#include "platform/math/Vector.h"

namespace platform::physics {
class Actor;
}
class PoseOnlyActor;

// An entity's place in the world, found as "Physical": position, orientation, velocity and,
// where the entity takes part in the simulation, a world actor. Until that actor exists (and
// for life where none is made) a PoseOnlyActor keeps the pose, so callers never test which
// kind they hold. The world actor is made by the first physics update after the owner set up
// its components; changes asked for meanwhile (freezes, cached positions, new bounds) are
// carried out by the next physics update, before the world steps.
class PhysicalComp : public Component {
 public:
  static constexpr char kComponentName[] = "Physical";
  enum ShapeKind : uint32_t { kSphere = 0, kBox = 1 };

  PhysicalComp();
  ~PhysicalComp() override;
  PhysicalComp(const PhysicalComp&) = delete;
  PhysicalComp& operator=(const PhysicalComp&) = delete;

  // Registers with the physics system.
  void Activate() override;

  platform::Vector3 GetPosition() const;
  void SetPosition(const platform::Vector3& position);
  // Before the world actor exists the same as SetPosition; afterwards applied by the next
  // physics update (GetPosition answers the old position until then).
  void SetPositionCached(const platform::Vector3& position);
  // Where the entity stands once a cached move is applied: what plans ahead (a route from here)
  // must not start from the place it is leaving.
  platform::Vector3 GetSettledPosition() const { return positionPending ? pendingPosition : GetPosition(); }
  platform::Quaternion GetOrientation() const;
  void SetOrientation(const platform::Quaternion& orientation);
  // Turns the actor about +z to face the vector's x, y direction.
  void SetDirection(const platform::Vector3& direction);
  platform::Vector3 GetVelocity() const;
  void SetVelocity(const platform::Vector3& velocity);
  void RequestFreeze() { freezeRequested = 1; }
  void RequestUnfreeze() { unfreezeRequested = 1; }

  // Makes the world actor from the creation settings at the current position (identity
  // orientation). Does nothing for an externally supplied actor, when no actor is wanted, or
  // when there is no world.
  void CreateActor();
  // Rebuilds the shape from the owner's "BoundingData" when its changed flag is set.
  void UpdateShapes();
  // Freezes, thaws, cached positions and shape rebuilds asked for since the last update.
  void ApplyRequests();

  // Takes a character controller's actor, which its PlayerPhysics owns and releases.
  void AttachExternalActor(platform::physics::Actor* controllerActor);
  // Leaves the world being shut down: the pose goes back to the PoseOnlyActor and the world
  // actor is released (or, for a controller's, forgotten), so the next world makes a new one.
  void DetachFromWorld();

  platform::physics::Actor* GetActor() const { return actor; }
  // The contact events the world reports for this entity's actor, from its opt-ins.
  uint32_t ContactReportFlags() const;

  platform::Vector3 pendingPosition;
  platform::Vector3 direction;
  platform::physics::Actor* actor;
  uint32_t shapeKind = kBox;
  uint8_t externalActor = 0;
  platform::Vector3 boxExtents{8.0f, 8.0f, 8.0f};
  float radius = 8.0f;
  uint8_t isStatic = 0;
  uint8_t isTrigger = 0;
  uint8_t createActor = 1;
  uint8_t collisionResponse = 1;
  uint8_t actorCreated = 0;
  uint8_t sendOnTouch = 0;
  uint8_t sendOnStartTouch = 0;
  uint8_t sendOnEndTouch = 0;
  uint8_t freezeRequested = 0;
  uint8_t unfreezeRequested = 0;
  uint8_t positionPending = 0;
  uint8_t frozen = 0;
  int32_t freezeCount = 0;

 private:
  uint32_t ShapeFlags() const;
  // Releases the world actor this component made itself (never a controller's).
  void ReleaseOwnActor();

  std::unique_ptr<PoseOnlyActor> poseActor_;
  // The world actor is this component's own (made by CreateActor), not a controller's.
  bool ownsActor_ = false;
};
