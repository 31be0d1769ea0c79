#pragma once
#include <btBulletDynamicsCommon.h>

#include <memory>
#include <vector>

#include "platform/physics/Actor.h"
#include "platform/physics/Scene.h"
#include "platform/physics/bullet/BulletShape.h"

namespace platform::physics {
class Controller;
class Material;
}

namespace platform::physics::bullet {

using SceneImpl = Scene::Impl;

// An actor backed by one rigid body (static, dynamic or a controller's kinematic proxy). The
// body is in the world only while the actor has shapes. When the scene goes away the actor is
// orphaned: its simulator objects are freed and it keeps its last pose as a husk.
class BulletActor : public Actor {
 public:
  enum class Kind { Static, Dynamic, Proxy };

  BulletActor(SceneImpl& scene, const ActorDesc& desc, Kind kind);
  ~BulletActor() override;

  Scene* GetScene() const override;
  void SetGlobalPosition(const Vec3& position) override;
  Vec3 GetGlobalPosition() const override;
  void SetGlobalOrientationQuat(const Quat& orientation) override;
  Quat GetGlobalOrientationQuat() const override;
  Pose GetGlobalPose() const override;
  void SetLinearVelocity(const Vec3& velocity) override;
  Vec3 GetLinearVelocity() const override;
  Shape* CreateShape(const ShapeDesc& desc) override;
  void ReleaseShape(Shape& shape) override;
  uint32_t GetNbShapes() const override { return static_cast<uint32_t>(shapeList_.size()); }
  Shape* const* GetShapes() const override { return shapeList_.empty() ? nullptr : shapeList_.data(); }
  bool IsDynamic() const override { return kind_ != Kind::Static; }
  void RaiseActorFlag(uint32_t flag) override;
  void ClearActorFlag(uint32_t flag) override;
  void RaiseBodyFlag(uint32_t flag) override;
  void ClearBodyFlag(uint32_t flag) override;

  Kind GetKind() const { return kind_; }
  bool IsTrigger() const;
  bool InGroups(uint32_t groups) const;  // any non-trigger shape in the groups
  uint32_t ContactFlags() const { return contactFlags_; }
  const Material& SurfaceMaterial() const;
  // The shape a query result names: the child of a compound, else the only shape.
  BulletShape* ShapeAt(int childIndex) const;
  bool Contains(const btVector3& point) const;  // inside any of its convex shapes
  // The mesh, when the actor's body is exactly one mesh shape.
  btBvhTriangleMeshShape* SoleMesh() const;
  btRigidBody* Body() const { return body_.get(); }
  SceneImpl* Owner() const { return scene_; }
  // Moves a proxy without making the move a velocity (teleport) or with it (a walk).
  void PlaceProxy(const btVector3& position, bool teleport);

  Controller* controller = nullptr;  // set on a controller's proxy

  void Orphan();  // the scene is going away

 private:
  void SetFlags(uint32_t& field, uint32_t value);
  void Rebuild();     // after the shape list changed
  void ApplyFlags();  // response and frozen axes
  void AddToWorld();
  void RemoveFromWorld();
  void UpdateMass();

  SceneImpl* scene_;
  Kind kind_;
  uint32_t flags_;
  uint32_t bodyFlags_;
  uint32_t contactFlags_;
  float density_;
  float mass_;
  std::vector<std::unique_ptr<BulletShape>> shapes_;
  std::vector<Shape*> shapeList_;
  std::unique_ptr<btCompoundShape> compound_;
  std::unique_ptr<btEmptyShape> empty_;
  std::unique_ptr<btRigidBody> body_;
  bool inWorld_ = false;
  Pose huskPose_;
  Vec3 huskVelocity_;
};

// The actor behind a simulator object, or null for objects the layer did not make.
inline BulletActor* ActorOf(const btCollisionObject* object) {
  return object ? static_cast<BulletActor*>(object->getUserPointer()) : nullptr;
}

}  // namespace platform::physics::bullet
