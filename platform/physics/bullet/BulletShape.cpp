#include "platform/physics/bullet/BulletShape.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/physics/Shape.h"
#include "platform/physics/TriangleMesh.h"
#include "platform/physics/bullet/BulletActor.h"
#include "platform/physics/bullet/Convert.h"
#include "platform/physics/bullet/MeshImpl.h"

namespace platform::physics::bullet {
namespace {

bool Usable(float v) { return std::isfinite(v) && v > 0; }

// Bullet's default margin suits metre-sized shapes; ours are tens of units, so margins are
// scaled with the shape and capped, keeping round corners small against the game's sizes.
float MarginFor(float smallestHalfSize) { return std::min(0.5f, 0.1f * smallestHalfSize); }

std::unique_ptr<btCollisionShape> MakeCollision(const ShapeDesc& d) {
  switch (d.type) {
    case ShapeType::Box: {
      const Vec3& e = d.dimensions;
      if (!Usable(e.x) || !Usable(e.y) || !Usable(e.z)) return nullptr;
      auto box = std::make_unique<btBoxShape>(ToBt(e));
      box->setMargin(MarginFor(std::min({e.x, e.y, e.z})));
      return box;
    }
    case ShapeType::Sphere:
      if (!Usable(d.radius)) return nullptr;
      return std::make_unique<btSphereShape>(d.radius);
    case ShapeType::Capsule:
      if (!Usable(d.radius) || !std::isfinite(d.height) || d.height < 0) return nullptr;
      return std::make_unique<btCapsuleShapeZ>(d.radius, d.height);
    case ShapeType::Mesh:
      return nullptr;  // borrowed from the mesh
  }
  return nullptr;
}

}  // namespace

std::unique_ptr<BulletShape> BulletShape::Make(BulletActor& actor, const ShapeDesc& desc) {
  if (desc.type == ShapeType::Mesh) {
    if (!desc.mesh || !desc.mesh->GetImpl().shape) return nullptr;
    return std::unique_ptr<BulletShape>(new BulletShape(actor, desc, nullptr));
  }
  auto collision = MakeCollision(desc);
  if (!collision) return nullptr;
  return std::unique_ptr<BulletShape>(new BulletShape(actor, desc, std::move(collision)));
}

BulletShape::BulletShape(BulletActor& actor, const ShapeDesc& desc,
                         std::unique_ptr<btCollisionShape> own)
    : actor_(actor), desc_(desc), own_(std::move(own)) {
  userData = desc.userData;
}

Actor& BulletShape::GetActor() const { return actor_; }

btCollisionShape* BulletShape::Collision() const {
  return own_ ? own_.get() : desc_.mesh->GetImpl().shape.get();
}

float BulletShape::Volume() const {
  constexpr float kPi = std::numbers::pi_v<float>;
  const float r = desc_.radius;
  switch (desc_.type) {
    case ShapeType::Box: return 8 * desc_.dimensions.x * desc_.dimensions.y * desc_.dimensions.z;
    case ShapeType::Sphere: return 4.0f / 3.0f * kPi * r * r * r;
    case ShapeType::Capsule: return 4.0f / 3.0f * kPi * r * r * r + kPi * r * r * desc_.height;
    case ShapeType::Mesh: return 0;
  }
  return 0;
}

bool BulletShape::Contains(const btTransform& actorTransform, const btVector3& point) const {
  const btVector3 p = (actorTransform * ToBt(desc_.localPose)).invXform(point);
  const float r = desc_.radius;
  switch (desc_.type) {
    case ShapeType::Box: {
      const Vec3& e = desc_.dimensions;
      return std::fabs(p.x()) <= e.x && std::fabs(p.y()) <= e.y && std::fabs(p.z()) <= e.z;
    }
    case ShapeType::Sphere: return p.length2() <= r * r;
    case ShapeType::Capsule: {
      const float half = desc_.height * 0.5f;
      const btVector3 axis(0, 0, std::clamp(p.z(), -half, half));
      return (p - axis).length2() <= r * r;
    }
    case ShapeType::Mesh: return false;
  }
  return false;
}

}  // namespace platform::physics::bullet
