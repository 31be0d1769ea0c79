#include <algorithm>
#include <cmath>

#include "platform/physics/Scene.h"
#include "platform/physics/bullet/Convert.h"
#include "platform/physics/bullet/MeshImpl.h"
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

// The closest hit along one ray among the wanted shapes of the objects the broadphase finds
// along it, leaving out triggers and every shape that holds the origin (sight rays start inside
// their caster, beams inside their emitter). Meshes answer through their own ray tree.
class ClosestShapeRay : public btBroadphaseRayCallback {
 public:
  ClosestShapeRay(const btVector3& from, const btVector3& dir, float reach, ShapesType types, uint32_t groups)
      : from_(from), dir_(dir), reach_(reach), types_(types), groups_(groups) {
    distance = reach;
    for (int i = 0; i < 3; ++i) {
      m_rayDirectionInverse[i] = dir[i] == 0 ? BT_LARGE_FLOAT : 1 / dir[i];
      m_signs[i] = m_rayDirectionInverse[i] < 0;
    }
    m_lambda_max = reach;
  }

  bool process(const btBroadphaseProxy* proxy) override {
    auto* object = static_cast<btCollisionObject*>(proxy->m_clientObject);
    const BulletActor* actor = ActorOf(object);
    if (!actor || !OfKind(*actor, types_)) return true;
    for (uint32_t i = 0; i < actor->GetNbShapes(); ++i) {
      auto& candidate = static_cast<BulletShape&>(*actor->GetShapes()[i]);
      if (candidate.IsTrigger() || !candidate.InGroups(groups_)) continue;
      const btTransform pose = object->getWorldTransform() * bullet::ToBt(candidate.Desc().localPose);
      if (candidate.GetType() == ShapeType::Mesh) {
        CastAtMesh(candidate, pose);
      } else if (!candidate.Contains(object->getWorldTransform(), from_)) {
        CastAtConvex(candidate, *object, pose);
      }
    }
    return true;
  }

  BulletShape* shape = nullptr;
  float distance = 0;
  btVector3 normal;

 private:
  // Takes in the simulator's answers for one convex shape, closer ones only.
  struct ConvexResult : btCollisionWorld::RayResultCallback {
    btScalar addSingleResult(btCollisionWorld::LocalRayResult& result, bool normalInWorldSpace) override {
      m_collisionObject = result.m_collisionObject;
      m_closestHitFraction = result.m_hitFraction;
      normal = normalInWorldSpace ? result.m_hitNormalLocal : basis * result.m_hitNormalLocal;
      return m_closestHitFraction;
    }
    btMatrix3x3 basis;
    btVector3 normal;
  };

  void CastAtMesh(BulletShape& mesh, const btTransform& pose) {
    const btVector3 localFrom = pose.invXform(from_);
    const btVector3 localDir = dir_ * pose.getBasis();
    bullet::RayTree::Hit hit;
    if (!mesh.Desc().mesh->GetImpl().rayTree.Closest(bullet::FromBt(localFrom), bullet::FromBt(localDir), distance, hit))
      return;
    Take(mesh, hit.distance, pose.getBasis() * bullet::ToBt(hit.normal));
  }

  void CastAtConvex(BulletShape& convex, btCollisionObject& object, const btTransform& pose) {
    ConvexResult result;
    result.m_closestHitFraction = distance / reach_;
    result.basis = pose.getBasis();
    const btTransform from(btMatrix3x3::getIdentity(), from_);
    const btTransform to(btMatrix3x3::getIdentity(), from_ + dir_ * reach_);
    btCollisionWorld::rayTestSingle(from, to, &object, convex.Collision(), pose, result);
    if (result.hasHit()) Take(convex, result.m_closestHitFraction * reach_, result.normal);
  }

  void Take(BulletShape& hitShape, float hitDistance, const btVector3& hitNormal) {
    if (hitDistance >= distance) return;
    shape = &hitShape;
    distance = hitDistance;
    normal = hitNormal;
  }

  btVector3 from_, dir_;
  float reach_;
  ShapesType types_;
  uint32_t groups_;
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
  ClosestShapeRay walk(from, dir, reach, types, groups);
  impl_->broadphase.rayTest(from, from + dir * reach, walk);
  if (!walk.shape) return nullptr;
  hit.shape = walk.shape;
  hit.distance = walk.distance;
  hit.worldImpact = bullet::FromBt(from + dir * walk.distance);
  hit.worldNormal = bullet::FromBt(walk.normal.normalized());
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
