#include "platform/physics/bullet/CharacterController.h"

#include <algorithm>
#include <cmath>

#include "platform/physics/bullet/BoxSweep.h"
#include "platform/physics/bullet/BulletActor.h"
#include "platform/physics/bullet/Convert.h"
#include "platform/physics/bullet/Husks.h"
#include "platform/physics/bullet/SceneImpl.h"

namespace platform::physics::bullet {
namespace {

constexpr int kSlideIterations = 4;
constexpr int kRecoverIterations = 4;
constexpr float kPenetrationSlop = 0.01f;

// Whether a shape takes part in a move with these groups: static shapes and other controllers
// block, dynamic bodies are met but pushed; triggers and the mover's own proxy are never met.
bool Meets(const BulletActor* actor, const BulletActor* self, uint32_t groups) {
  return actor && actor != self && !actor->IsTrigger() && actor->InGroups(groups);
}

btTransform At(const btVector3& position) { return btTransform(btQuaternion::getIdentity(), position); }

// The closest blocking hit along a sweep, with the dynamic bodies met on the way. Surfaces that
// the motion leaves or slides along do not block, so a controller that starts touching or
// slightly inside a wall can still move away from it.
struct SweepCallback : btCollisionWorld::ClosestConvexResultCallback {
  SweepCallback(const btVector3& from, const btVector3& to, const BulletActor* self, uint32_t groups,
                const btVector3* boxHalf)
      : ClosestConvexResultCallback(from, to), self(self), groups(groups), dir((to - from).normalized()),
        boxHalf(boxHalf) {}

  bool needsCollision(btBroadphaseProxy* proxy) const override {
    auto* object = static_cast<btCollisionObject*>(proxy->m_clientObject);
    BulletActor* actor = ActorOf(object);
    if (!Meets(actor, self, groups)) return false;
    // Boxes meet meshes through our own exact per-triangle test; the simulator's general
    // convex cast converges slowly on faces the box rests against.
    if (btBvhTriangleMeshShape* mesh = boxHalf ? actor->SoleMesh() : nullptr) {
      const_cast<SweepCallback*>(this)->SweepMesh(*object, *actor, *mesh);
      return false;
    }
    return true;
  }

  btScalar addSingleResult(btCollisionWorld::LocalConvexResult& r, bool normalInWorldSpace) override {
    const btVector3 n = normalInWorldSpace ? r.m_hitNormalLocal
                                           : r.m_hitCollisionObject->getWorldTransform().getBasis() * r.m_hitNormalLocal;
    BulletActor* actor = ActorOf(r.m_hitCollisionObject);
    Offer(*r.m_hitCollisionObject, *actor, actor->ShapeAt(r.m_localShapeInfo ? r.m_localShapeInfo->m_triangleIndex : 0),
          r.m_hitFraction, r.m_hitPointLocal, n);
    return m_closestHitFraction;
  }

  void Offer(const btCollisionObject& object, BulletActor& actor, BulletShape* shape, float fraction,
             const btVector3& point, const btVector3& n) {
    if (n.dot(dir) > -1e-3f || !shape || !shape->InGroups(groups) || fraction > m_closestHitFraction) return;
    if (actor.GetKind() == BulletActor::Kind::Dynamic) {
      dynamics.push_back({&actor, shape, fraction, point, n});
      return;
    }
    hitActor = &actor;
    hitShape = shape;
    m_closestHitFraction = fraction;
    m_hitCollisionObject = &object;
    m_hitNormalWorld = n;
    m_hitPointWorld = point;
  }

  void SweepMesh(const btCollisionObject& object, BulletActor& actor, btBvhTriangleMeshShape& mesh) {
    struct Triangles : btTriangleCallback {
      void processTriangle(btVector3* local, int, int) override {
        const btVector3 tri[3] = {pose * local[0], pose * local[1], pose * local[2]};
        float fraction;
        btVector3 n;
        if (!SweepBoxTriangle(*sweep->boxHalf, sweep->m_convexFromWorld,
                              sweep->m_convexToWorld - sweep->m_convexFromWorld, tri, fraction, n))
          return;
        const btVector3 at = sweep->m_convexFromWorld + (sweep->m_convexToWorld - sweep->m_convexFromWorld) * fraction;
        const btVector3 corner(n.x() > 0 ? -1 : 1, n.y() > 0 ? -1 : 1, n.z() > 0 ? -1 : 1);
        sweep->Offer(*object, *actor, actor->ShapeAt(0), fraction, at + corner * *sweep->boxHalf, n);
      }
      SweepCallback* sweep;
      const btCollisionObject* object;
      BulletActor* actor;
      btTransform pose;
    } triangles;
    triangles.sweep = this;
    triangles.object = &object;
    triangles.actor = &actor;
    triangles.pose = object.getWorldTransform();
    const btTransform inverse = triangles.pose.inverse();
    const btMatrix3x3 toLocal = inverse.getBasis().absolute();
    const btVector3 localHalf(toLocal[0].dot(*boxHalf), toLocal[1].dot(*boxHalf), toLocal[2].dot(*boxHalf));
    mesh.performConvexcast(&triangles, inverse * m_convexFromWorld, inverse * m_convexToWorld, -localHalf, localHalf);
  }

  struct Met {
    BulletActor* actor;
    BulletShape* shape;
    float fraction;
    btVector3 point, normal;
  };
  const BulletActor* self;
  uint32_t groups;
  btVector3 dir;
  const btVector3* boxHalf;
  BulletActor* hitActor = nullptr;
  BulletShape* hitShape = nullptr;
  std::vector<Met> dynamics;
};

// The deepest overlap with a blocking shape, as the direction out of it and its depth.
struct OverlapCallback : btCollisionWorld::ContactResultCallback {
  OverlapCallback(const btCollisionObject* probe, const BulletActor* self, uint32_t groups)
      : probe(probe), self(self), groups(groups) {}

  bool needsCollision(btBroadphaseProxy* proxy) const override {
    const BulletActor* actor = ActorOf(static_cast<btCollisionObject*>(proxy->m_clientObject));
    return Meets(actor, self, groups) && actor->GetKind() != BulletActor::Kind::Dynamic;
  }

  btScalar addSingleResult(btManifoldPoint& p, const btCollisionObjectWrapper* a, int, int,
                           const btCollisionObjectWrapper*, int, int) override {
    if (-p.getDistance() > depth) {
      depth = -p.getDistance();
      out = a->getCollisionObject() == probe ? p.m_normalWorldOnB : -p.m_normalWorldOnB;
    }
    return 0;
  }

  const btCollisionObject* probe;
  const BulletActor* self;
  uint32_t groups;
  float depth = 0;
  btVector3 out{0, 0, 0};
};

ShapeDesc ProxyShape(const ControllerDesc& d) {
  // The proxy includes the skin, so what the controller stops against, the proxy touches.
  ShapeDesc shape;
  if (d.type == ControllerType::Box) {
    shape = ShapeDesc::Box(d.extents + Vec3{d.skinWidth, d.skinWidth, d.skinWidth});
  } else {
    shape.type = ShapeType::Capsule;
    shape.radius = d.radius + d.skinWidth;
    shape.height = d.height;
  }
  return shape;
}

}  // namespace

CharacterController::CharacterController(Scene::Impl& scene, const ControllerDesc& desc)
    : scene_(&scene), desc_(desc), position_(ToBt(desc.position)) {
  userData = desc.userData;
  ActorDesc proxy;
  proxy.globalPose.translation = desc.position;
  proxy.contactReportFlags = desc.contactReportFlags;
  proxy_ = scene.Adopt(std::make_unique<BulletActor>(scene, proxy, BulletActor::Kind::Proxy));
  proxy_->controller = this;
  Reshape();
}

CharacterController::~CharacterController() {
  if (Alive()) {
    scene_->Destroy(proxy_);
  } else {
    FreeHusk(proxy_);
  }
}

bool CharacterController::Alive() const { return proxy_->GetScene() != nullptr; }

void CharacterController::Reshape() {
  if (desc_.type == ControllerType::Box) {
    sweepShape_ = std::make_unique<btBoxShape>(ToBt(desc_.extents));
  } else {
    sweepShape_ = std::make_unique<btCapsuleShapeZ>(desc_.radius, desc_.height);
  }
  probe_.setCollisionShape(sweepShape_.get());
  mayOverlap_ = true;
  if (!Alive()) return;
  while (proxy_->GetNbShapes()) proxy_->ReleaseShape(*proxy_->GetShapes()[0]);
  proxy_->CreateShape(ProxyShape(desc_));
  proxy_->PlaceProxy(position_, true);
}

uint32_t CharacterController::Move(const Vec3& displacement, uint32_t activeGroups, float minDist, float) {
  if (!Alive() || !displacement.IsFinite()) return 0;
  const btVector3 d = ToBt(displacement);
  minDist = std::isfinite(minDist) ? std::max(minDist, 1e-5f) : 1e-5f;
  if (mayOverlap_) Recover(activeGroups);
  // Most moves meet no wall: try the plain slide first and only step up when it was blocked
  // (and keep the plain result when the step lands on ground too steep to stand on).
  const btVector3 start = position_;
  std::vector<Touch> touches;
  bool steep = false;
  uint32_t flags = MoveOnce(d, activeGroups, minDist, false, touches, steep);
  if (flags & kCollisionSides) {
    const btVector3 plain = position_;
    std::vector<Touch> stepTouches;
    position_ = start;
    const uint32_t stepFlags = MoveOnce(d, activeGroups, minDist, true, stepTouches, steep);
    if (steep) {
      position_ = plain;
    } else {
      flags = stepFlags;
      touches.swap(stepTouches);
    }
  }
  proxy_->PlaceProxy(position_, false);
  Report(touches, d);
  return flags;
}

uint32_t CharacterController::MoveOnce(const btVector3& d, uint32_t groups, float minDist, bool allowStep,
                                       std::vector<Touch>& touches, bool& steppedOntoSteep) {
  uint32_t flags = 0;
  const float startZ = position_.z();
  const float up = std::max(d.z(), 0.0f);
  const btVector3 side(d.x(), d.y(), 0);
  const float step = allowStep && side.length() > minDist ? desc_.stepOffset : 0.0f;

  if (up + step > 0) {
    const Sweep s = SweepMove(btVector3(0, 0, up + step), groups, touches);
    if (s.hit && up > 0) flags |= kCollisionUp;
  }
  const float stepGained = std::max(0.0f, position_.z() - startZ - up);

  btVector3 remaining = side;
  for (int i = 0; i < kSlideIterations && remaining.length() > minDist; ++i) {
    const btVector3 before = position_;
    const Sweep s = SweepMove(remaining, groups, touches);
    if (!s.hit) break;
    remaining -= position_ - before;
    btVector3 n = s.normal;
    if (n.z() < desc_.slopeLimit) {
      // Walls and slopes too steep to walk stop the motion into them, never lift it.
      flags |= kCollisionSides;
      n.setZ(0);
      if (n.length2() < 1e-8f) break;
      n.normalize();
    }
    remaining -= n * remaining.dot(n);
    if (remaining.dot(side) <= 0) break;
  }

  const float down = stepGained + std::max(-d.z(), 0.0f);
  if (down > 0) {
    const Sweep s = SweepMove(btVector3(0, 0, -down), groups, touches);
    if (s.hit) {
      flags |= kCollisionDown;
      steppedOntoSteep = stepGained > 0 && s.normal.z() < desc_.slopeLimit && position_.z() > startZ + kPenetrationSlop;
    }
  }
  return flags;
}

CharacterController::Sweep CharacterController::SweepMove(const btVector3& motion, uint32_t groups,
                                                          std::vector<Touch>& touches) {
  const float length = motion.length();
  if (length < 1e-6f) return {};
  const btVector3 dir = motion / length;
  const float reach = length + desc_.skinWidth;
  const btVector3 half = ToBt(desc_.extents);
  SweepCallback callback(position_, position_ + dir * reach, proxy_, groups,
                         desc_.type == ControllerType::Box ? &half : nullptr);
  scene_->world.convexSweepTest(sweepShape_.get(), At(position_), At(position_ + dir * reach), callback);
  const float blocked = callback.hasHit() ? callback.m_closestHitFraction : 1.0f;
  for (const auto& met : callback.dynamics)
    if (met.fraction <= blocked) touches.push_back({met.actor, met.shape, met.point, met.normal});
  if (!callback.hasHit() || !callback.hitShape) {
    position_ += motion;
    return {};
  }
  const float gap = blocked * reach - desc_.skinWidth;
  if (gap < -0.5f * desc_.skinWidth) mayOverlap_ = true;  // started inside the skin: check next move
  position_ += dir * std::clamp(gap, 0.0f, length);
  touches.push_back({callback.hitActor, callback.hitShape, callback.m_hitPointWorld, callback.m_hitNormalWorld});
  return {true, callback.m_hitNormalWorld};
}

void CharacterController::Recover(uint32_t groups) {
  // Out of overlaps (spawned or resized into a wall, pushed by a door), a bounded distance per
  // move along the deepest contact, so a controller never leaps or shoots through walls.
  const float maxPush = 0.5f * (desc_.type == ControllerType::Box
                                    ? std::min({desc_.extents.x, desc_.extents.y, desc_.extents.z})
                                    : desc_.radius);
  mayOverlap_ = false;
  for (int i = 0; i < kRecoverIterations; ++i) {
    probe_.setWorldTransform(At(position_));
    OverlapCallback callback(&probe_, proxy_, groups);
    scene_->world.contactTest(&probe_, callback);
    if (callback.depth <= kPenetrationSlop) return;
    mayOverlap_ = true;  // still inside after this push: keep at it next move
    position_ += callback.out * std::min(callback.depth + desc_.skinWidth, maxPush);
  }
}

void CharacterController::Report(const std::vector<Touch>& touches, const btVector3& d) {
  if (!desc_.callback) return;
  const float length = d.length();
  const btVector3 dir = length > 0 ? d / length : btVector3(0, 0, 0);
  std::vector<const void*> seen;
  for (const Touch& t : touches) {
    // A handler may release what a later touch names.
    if (!scene_->Owns(t.actor)) continue;
    const void* key = t.actor->controller ? static_cast<const void*>(t.actor->controller) : t.shape;
    if (std::find(seen.begin(), seen.end(), key) != seen.end()) continue;
    seen.push_back(key);
    if (t.actor->controller) {
      desc_.callback->OnControllerHit({this, t.actor->controller});
    } else {
      desc_.callback->OnShapeHit({this, t.shape, FromBt(t.point), FromBt(t.normal), FromBt(dir), length});
    }
  }
}

bool CharacterController::SetPosition(const Vec3& position) {
  if (!position.IsFinite()) return false;
  position_ = ToBt(position);
  mayOverlap_ = true;
  if (Alive()) proxy_->PlaceProxy(position_, true);
  return true;
}

Vec3 CharacterController::GetPosition() const { return FromBt(position_); }

Actor* CharacterController::GetActor() const { return proxy_; }

void CharacterController::SetExtents(const Vec3& halfExtents) {
  if (desc_.type != ControllerType::Box || !halfExtents.IsFinite() || halfExtents.x <= 0 ||
      halfExtents.y <= 0 || halfExtents.z <= 0)
    return;
  desc_.extents = halfExtents;
  Reshape();
}

void CharacterController::SetRadius(float radius) {
  if (desc_.type != ControllerType::Capsule || !std::isfinite(radius) || radius <= 0) return;
  desc_.radius = radius;
  Reshape();
}

void CharacterController::SetStepOffset(float offset) {
  if (std::isfinite(offset) && offset >= 0) desc_.stepOffset = offset;
}

void CharacterController::SetCollision(bool enabled) {
  if (!Alive()) return;
  if (enabled) {
    proxy_->ClearActorFlag(kActorDisableResponse);
  } else {
    proxy_->RaiseActorFlag(kActorDisableResponse);
  }
}

}  // namespace platform::physics::bullet
