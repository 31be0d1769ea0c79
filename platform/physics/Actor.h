#pragma once
#include <cstdint>
#include <vector>

#include "platform/physics/Flags.h"
#include "platform/physics/Shape.h"
#include "platform/physics/Vector.h"

namespace platform::physics {

class Scene;

// Makes an actor dynamic. Damping values are the game's (per second, exponential): the layer
// turns them into the simulator's own in one place. Mass 0 takes it from the actor's density.
struct BodyDesc {
  float mass = 0;
  float linearDamping = 0;
  float angularDamping = 0.05f;
  Vec3 linearVelocity;
  uint32_t flags = 0;  // BodyFlag bits
};

// An actor to create: without a body it is static (it never moves and is not moved).
struct ActorDesc {
  Pose globalPose;
  std::vector<ShapeDesc> shapes;
  const BodyDesc* body = nullptr;
  float density = 1;                // mass per unit volume when the body gives no mass
  uint16_t group = 0;               // actor group; kept, not used for filtering
  uint32_t flags = 0;               // ActorFlag bits
  uint32_t contactReportFlags = 0;  // ContactEvent bits this actor wants reported
  void* userData = nullptr;
};

// A rigid body, a static object or a character controller's proxy. The game may implement the
// interface itself (an actor that only keeps a pose), so every operation is virtual.
// Lifetime: an actor made by a scene lives until the scene's ReleaseActor. When its scene goes
// away first, the actor stays a harmless husk that keeps its last pose; releasing it later
// through any scene frees the husk and touches no world.
class Actor {
 public:
  virtual ~Actor() = default;

  // The scene the actor lives in; null once that scene is gone.
  virtual Scene* GetScene() const = 0;
  virtual void SetGlobalPosition(const Vec3& position) = 0;
  virtual Vec3 GetGlobalPosition() const = 0;
  virtual void SetGlobalOrientationQuat(const Quat& orientation) = 0;
  virtual Quat GetGlobalOrientationQuat() const = 0;
  virtual Pose GetGlobalPose() const = 0;
  virtual void SetLinearVelocity(const Vec3& velocity) = 0;
  virtual Vec3 GetLinearVelocity() const = 0;
  // Adds a shape; null when the shape cannot go on this actor (a mesh on a dynamic actor).
  virtual Shape* CreateShape(const ShapeDesc& desc) = 0;
  virtual void ReleaseShape(Shape& shape) = 0;
  virtual uint32_t GetNbShapes() const = 0;
  virtual Shape* const* GetShapes() const = 0;
  virtual bool IsDynamic() const = 0;
  virtual void RaiseActorFlag(uint32_t flag) = 0;
  virtual void ClearActorFlag(uint32_t flag) = 0;
  virtual void RaiseBodyFlag(uint32_t flag) = 0;
  virtual void ClearBodyFlag(uint32_t flag) = 0;

  void* userData = nullptr;  // the game's own tag; the physics layer never reads it
};

}  // namespace platform::physics
