#include <algorithm>
#include <cmath>

#include "platform/physics/Scene.h"
#include "platform/physics/bullet/Convert.h"
#include "platform/physics/bullet/SceneImpl.h"

namespace platform::physics {

using bullet::ActorOf;
using bullet::BulletActor;
using bullet::BulletShape;

namespace {

bool OfKind(const BulletActor& actor, ShapesType types) {
  const bool isStatic = actor.GetKind() == BulletActor::Kind::Static;
  return (types & (isStatic ? kStaticShapes : kDynamicShapes)) != 0;
}

// Closest hit among the wanted shapes, leaving out triggers and every shape that holds the
// origin (sight rays start inside their caster, beams inside their emitter).
struct ClosestShapeRay : btCollisionWorld::ClosestRayResultCallback {
  ClosestShapeRay(const btVector3& from, const btVector3& to, ShapesType types, uint32_t groups)
      : ClosestRayResultCallback(from, to), types(types), groups(groups) {}

  bool needsCollision(btBroadphaseProxy* proxy) const override {
    const BulletActor* actor = ActorOf(static_cast<btCollisionObject*>(proxy->m_clientObject));
    return actor && !actor->IsTrigger() && OfKind(*actor, types);
  }

  btScalar addSingleResult(btCollisionWorld::LocalRayResult& result, bool normalInWorldSpace) override {
    const BulletActor* actor = ActorOf(result.m_collisionObject);
    const int child = result.m_localShapeInfo ? result.m_localShapeInfo->m_triangleIndex : 0;
    BulletShape* candidate = actor->ShapeAt(child);
    if (!candidate || !candidate->InGroups(groups) ||
        candidate->Contains(result.m_collisionObject->getWorldTransform(), m_rayFromWorld))
      return m_closestHitFraction;
    shape = candidate;
    return ClosestRayResultCallback::addSingleResult(result, normalInWorldSpace);
  }

  ShapesType types;
  uint32_t groups;
  BulletShape* shape = nullptr;
};

// Any point of overlap with a wanted static or dynamic shape.
struct BoxOverlap : btCollisionWorld::ContactResultCallback {
  BoxOverlap(ShapesType types, uint32_t groups) : types(types), groups(groups) {}

  bool needsCollision(btBroadphaseProxy* proxy) const override {
    const BulletActor* actor = ActorOf(static_cast<btCollisionObject*>(proxy->m_clientObject));
    return !found && actor && !actor->IsTrigger() && OfKind(*actor, types) && actor->InGroups(groups);
  }

  btScalar addSingleResult(btManifoldPoint& point, const btCollisionObjectWrapper*, int, int,
                           const btCollisionObjectWrapper*, int, int) override {
    if (point.getDistance() <= 0) found = true;
    return 0;
  }

  ShapesType types;
  uint32_t groups;
  bool found = false;
};

// How far a ray must reach to leave the world from `origin`: rays of unlimited length are cut
// there, as the broadphase cannot take endless ones.
float ReachOfWorld(const Scene::Impl& scene, const btVector3& origin) {
  btVector3 lo, hi;
  scene.broadphase.getBroadphaseAabb(lo, hi);
  const btVector3 far(std::max(std::fabs(lo.x() - origin.x()), std::fabs(hi.x() - origin.x())),
                      std::max(std::fabs(lo.y() - origin.y()), std::fabs(hi.y() - origin.y())),
                      std::max(std::fabs(lo.z() - origin.z()), std::fabs(hi.z() - origin.z())));
  return far.length() + 1.0f;
}

}  // namespace

Shape* Scene::RaycastClosestShape(const Ray& ray, ShapesType types, RaycastHit& hit, uint32_t groups,
                                  float maxDist) const {
  hit = RaycastHit{};
  const float length = ray.dir.Length();
  if (!(length > 0) || !std::isfinite(length) || !ray.orig.IsFinite() || !(maxDist > 0)) return nullptr;
  const btVector3 from = bullet::ToBt(ray.orig);
  const btVector3 dir = bullet::ToBt(ray.dir) / length;
  const float reach = std::min(maxDist, ReachOfWorld(*impl_, from));
  ClosestShapeRay callback(from, from + dir * reach, types, groups);
  impl_->world.rayTest(callback.m_rayFromWorld, callback.m_rayToWorld, callback);
  if (!callback.hasHit() || !callback.shape) return nullptr;
  hit.shape = callback.shape;
  hit.distance = callback.m_closestHitFraction * reach;
  hit.worldImpact = bullet::FromBt(callback.m_hitPointWorld);
  hit.worldNormal = bullet::FromBt(callback.m_hitNormalWorld.normalized());
  return hit.shape;
}

bool Scene::CheckOverlapAabb(const Bounds3& bounds, ShapesType types, uint32_t groups) const {
  const Vec3 half = (bounds.max - bounds.min) * 0.5f;
  if (!half.IsFinite() || half.x < 0 || half.y < 0 || half.z < 0) return false;
  btBoxShape box(bullet::ToBt(half));
  box.setMargin(0);
  btCollisionObject probe;
  probe.setCollisionShape(&box);
  probe.setWorldTransform(btTransform(btQuaternion::getIdentity(), bullet::ToBt((bounds.min + bounds.max) * 0.5f)));
  BoxOverlap callback(types, groups);
  callback.m_collisionFilterGroup = bullet::kFilterDynamic;
  callback.m_collisionFilterMask = bullet::kFilterAll;
  impl_->world.contactTest(&probe, callback);
  return callback.found;
}

}  // namespace platform::physics
