#pragma once
#include <btBulletDynamicsCommon.h>

#include <memory>

#include "platform/physics/Shape.h"

namespace platform::physics::bullet {

class BulletActor;

// A shape of a BulletActor: the description it was made from and its collision shape (mesh
// shapes borrow the mesh's own, which the description's mesh pointer keeps alive).
class BulletShape : public Shape {
 public:
  // Null when the description is unusable (sizes not positive or not finite, empty mesh).
  static std::unique_ptr<BulletShape> Make(BulletActor& actor, const ShapeDesc& desc);

  Actor& GetActor() const override;
  ShapeType GetType() const override { return desc_.type; }
  uint16_t GetGroup() const override { return desc_.group; }
  void SetGroup(uint16_t group) override { desc_.group = group; }
  uint32_t GetFlags() const override { return desc_.flags; }

  const ShapeDesc& Desc() const { return desc_; }
  btCollisionShape* Collision() const;
  bool InGroups(uint32_t groups) const { return desc_.group < 32 && (groups >> desc_.group) & 1u; }
  float Volume() const;
  // Whether the point lies inside this convex shape when the actor is at `actorTransform`;
  // always false for meshes (they have no inside).
  bool Contains(const btTransform& actorTransform, const btVector3& point) const;

 private:
  BulletShape(BulletActor& actor, const ShapeDesc& desc, std::unique_ptr<btCollisionShape> own);

  BulletActor& actor_;
  ShapeDesc desc_;
  std::unique_ptr<btCollisionShape> own_;
};

}  // namespace platform::physics::bullet
