#include "platform/physics/bullet/BulletActor.h"

#include <algorithm>
#include <cmath>

#include "platform/physics/Controller.h"
#include "platform/physics/bullet/Convert.h"
#include "platform/physics/bullet/SceneImpl.h"
#include "platform/physics/bullet/Translate.h"

namespace platform::physics::bullet {
namespace {

// The simulator's default sleep speed is for metre-sized worlds; in ours (a character is ~50
// units tall) bodies resting on faceted edges would tremble above it for ever and never come to
// rest, which the game waits for (a smoke bomb bursts once its body is still).
constexpr float kSleepSpeed = 5.0f;

bool IsIdentity(const Pose& p) { return p.rotation == Quat{} && p.translation == Vec3{}; }

bool Finite(const Quat& q) {
  return std::isfinite(q.x) && std::isfinite(q.y) && std::isfinite(q.z) && std::isfinite(q.w);
}

// A small body moving more than half its size in one step is swept, so fast throws do not pass
// through walls.
void EnableSweeps(btRigidBody& body) {
  btVector3 lo, hi;
  body.getCollisionShape()->getAabb(btTransform::getIdentity(), lo, hi);
  const btVector3 half = (hi - lo) * 0.5f;
  const float smallest = std::max(0.01f, std::min({half.x(), half.y(), half.z()}));
  body.setCcdMotionThreshold(smallest * 0.5f);
  body.setCcdSweptSphereRadius(smallest * 0.5f);
}

}  // namespace

BulletActor::BulletActor(SceneImpl& scene, const ActorDesc& desc, Kind kind)
    : scene_(&scene),
      kind_(kind),
      flags_(desc.flags),
      bodyFlags_(desc.body ? desc.body->flags : 0),
      contactFlags_(desc.contactReportFlags),
      density_(desc.density),
      mass_(desc.body ? desc.body->mass : 0),
      empty_(std::make_unique<btEmptyShape>()) {
  userData = desc.userData;
  btRigidBody::btRigidBodyConstructionInfo info(0, nullptr, empty_.get());
  if (desc.body) {
    info.m_linearDamping = DampingToSimulator(desc.body->linearDamping);
    info.m_angularDamping = DampingToSimulator(desc.body->angularDamping);
    info.m_linearSleepingThreshold = kSleepSpeed;
  }
  body_ = std::make_unique<btRigidBody>(info);
  body_->setUserPointer(this);
  Pose pose = desc.globalPose;
  if (!pose.translation.IsFinite()) pose.translation = {};
  if (!Finite(pose.rotation)) pose.rotation = {};
  body_->setCenterOfMassTransform(ToBt(pose));
  if (kind_ == Kind::Proxy) {
    body_->setCollisionFlags(body_->getCollisionFlags() | btCollisionObject::CF_KINEMATIC_OBJECT);
    body_->setActivationState(DISABLE_DEACTIVATION);
  }
  if (desc.body && desc.body->linearVelocity.IsFinite())
    body_->setLinearVelocity(ToBt(desc.body->linearVelocity));
}

BulletActor::~BulletActor() { RemoveFromWorld(); }

void BulletActor::Orphan() {
  if (!body_) return;
  huskPose_ = GetGlobalPose();
  huskVelocity_ = GetLinearVelocity();
  RemoveFromWorld();
  body_.reset();
  scene_ = nullptr;
}

Scene* BulletActor::GetScene() const { return scene_ ? &scene_->owner : nullptr; }

void BulletActor::SetGlobalPosition(const Vec3& position) {
  if (!position.IsFinite()) return;
  if (controller) {
    controller->SetPosition(position);
    return;
  }
  if (!body_) {
    huskPose_.translation = position;
    return;
  }
  btTransform t = body_->getWorldTransform();
  t.setOrigin(ToBt(position));
  body_->setCenterOfMassTransform(t);
  if (inWorld_) scene_->world.updateSingleAabb(body_.get());
  body_->activate(true);
}

Vec3 BulletActor::GetGlobalPosition() const {
  return body_ ? FromBt(body_->getWorldTransform().getOrigin()) : huskPose_.translation;
}

void BulletActor::SetGlobalOrientationQuat(const Quat& orientation) {
  btQuaternion q = ToBt(orientation);
  if (!Finite(orientation) || q.length2() < 1e-12f) return;
  q.normalize();
  if (!body_) {
    huskPose_.rotation = FromBt(q);
    return;
  }
  btTransform t = body_->getWorldTransform();
  t.setRotation(q);
  body_->setCenterOfMassTransform(t);
  if (inWorld_) scene_->world.updateSingleAabb(body_.get());
  body_->activate(true);
}

Quat BulletActor::GetGlobalOrientationQuat() const {
  return body_ ? FromBt(body_->getWorldTransform().getRotation()) : huskPose_.rotation;
}

Pose BulletActor::GetGlobalPose() const {
  return body_ ? FromBt(body_->getWorldTransform()) : huskPose_;
}

void BulletActor::SetLinearVelocity(const Vec3& velocity) {
  if (!velocity.IsFinite()) return;
  if (!body_) {
    huskVelocity_ = velocity;
    return;
  }
  if (kind_ != Kind::Dynamic) return;
  body_->setLinearVelocity(ToBt(velocity) * body_->getLinearFactor());
  body_->activate(true);
}

Vec3 BulletActor::GetLinearVelocity() const {
  return body_ ? FromBt(body_->getLinearVelocity()) : huskVelocity_;
}

Shape* BulletActor::CreateShape(const ShapeDesc& desc) {
  if (!body_ || (desc.type == ShapeType::Mesh && kind_ != Kind::Static)) return nullptr;
  auto shape = BulletShape::Make(*this, desc);
  if (!shape) return nullptr;
  shapeList_.push_back(shape.get());
  shapes_.push_back(std::move(shape));
  Rebuild();
  return shapeList_.back();
}

void BulletActor::ReleaseShape(Shape& shape) {
  auto it = std::find(shapeList_.begin(), shapeList_.end(), &shape);
  if (!body_ || it == shapeList_.end()) return;
  const auto index = it - shapeList_.begin();
  RemoveFromWorld();  // the body must not point at the shape while it goes
  shapeList_.erase(it);
  shapes_.erase(shapes_.begin() + index);
  Rebuild();
}

void BulletActor::RaiseActorFlag(uint32_t flag) { SetFlags(flags_, flags_ | flag); }
void BulletActor::ClearActorFlag(uint32_t flag) { SetFlags(flags_, flags_ & ~flag); }
void BulletActor::RaiseBodyFlag(uint32_t flag) { SetFlags(bodyFlags_, bodyFlags_ | flag); }
void BulletActor::ClearBodyFlag(uint32_t flag) { SetFlags(bodyFlags_, bodyFlags_ & ~flag); }

void BulletActor::SetFlags(uint32_t& field, uint32_t value) {
  // Flags change the body in place: taking it out of the world would end its contacts.
  if (field == value) return;
  field = value;
  if (!body_) return;
  ApplyFlags();
  if (kind_ == Kind::Dynamic && inWorld_) body_->activate(true);
}

bool BulletActor::IsTrigger() const {
  return std::any_of(shapes_.begin(), shapes_.end(), [](const auto& s) { return s->IsTrigger(); });
}

bool BulletActor::InGroups(uint32_t groups) const {
  return std::any_of(shapes_.begin(), shapes_.end(),
                     [&](const auto& s) { return !s->IsTrigger() && s->InGroups(groups); });
}

const Material& BulletActor::SurfaceMaterial() const {
  const uint16_t index = shapes_.empty() ? 0 : shapes_.front()->Desc().materialIndex;
  return scene_->materials[index < scene_->materials.size() ? index : 0];
}

BulletShape* BulletActor::ShapeAt(int childIndex) const {
  if (shapes_.empty()) return nullptr;
  if (compound_ && childIndex >= 0 && childIndex < static_cast<int>(shapes_.size()))
    return shapes_[childIndex].get();
  return shapes_.front().get();
}

bool BulletActor::Contains(const btVector3& point) const {
  if (!body_) return false;
  const btTransform& t = body_->getWorldTransform();
  return std::any_of(shapes_.begin(), shapes_.end(), [&](const auto& s) { return s->Contains(t, point); });
}

btBvhTriangleMeshShape* BulletActor::SoleMesh() const {
  if (!body_ || compound_ || shapes_.size() != 1 || shapes_.front()->GetType() != ShapeType::Mesh) return nullptr;
  return static_cast<btBvhTriangleMeshShape*>(shapes_.front()->Collision());
}

void BulletActor::PlaceProxy(const btVector3& position, bool teleport) {
  if (!body_) return;
  btTransform t(btQuaternion::getIdentity(), position);
  body_->setWorldTransform(t);
  if (teleport) body_->setInterpolationWorldTransform(t);
  if (inWorld_) scene_->world.updateSingleAabb(body_.get());
}

void BulletActor::Rebuild() {
  if (!body_) return;
  RemoveFromWorld();
  compound_.reset();
  btCollisionShape* collision = empty_.get();
  if (shapes_.size() == 1 && IsIdentity(shapes_.front()->Desc().localPose)) {
    collision = shapes_.front()->Collision();
  } else if (!shapes_.empty()) {
    compound_ = std::make_unique<btCompoundShape>(false, static_cast<int>(shapes_.size()));
    for (const auto& s : shapes_) compound_->addChildShape(ToBt(s->Desc().localPose), s->Collision());
    collision = compound_.get();
  }
  body_->setCollisionShape(collision);
  UpdateMass();
  ApplyFlags();
  if (!shapes_.empty()) AddToWorld();
}

void BulletActor::ApplyFlags() {
  int cf = body_->getCollisionFlags() & ~btCollisionObject::CF_NO_CONTACT_RESPONSE;
  if ((flags_ & kActorDisableResponse) || IsTrigger()) cf |= btCollisionObject::CF_NO_CONTACT_RESPONSE;
  body_->setCollisionFlags(cf);
  if (kind_ != Kind::Dynamic) return;
  const auto on = [&](uint32_t bit) { return (bodyFlags_ & bit) ? 0.0f : 1.0f; };
  const btVector3 linear(on(kBodyFrozenPosX), on(kBodyFrozenPosY), on(kBodyFrozenPosZ));
  const btVector3 angular(on(kBodyFrozenRotX), on(kBodyFrozenRotY), on(kBodyFrozenRotZ));
  body_->setLinearFactor(linear);
  body_->setAngularFactor(angular);
  body_->setLinearVelocity(body_->getLinearVelocity() * linear);
  body_->setAngularVelocity(body_->getAngularVelocity() * angular);
}

void BulletActor::UpdateMass() {
  if (kind_ != Kind::Dynamic) return;
  float mass = mass_;
  if (!(mass > 0)) {
    float volume = 0;
    for (const auto& s : shapes_) volume += s->Volume();
    mass = density_ * volume;
  }
  if (!(mass > 0) || !std::isfinite(mass)) mass = 1;
  btVector3 inertia(0, 0, 0);
  if (!shapes_.empty()) body_->getCollisionShape()->calculateLocalInertia(mass, inertia);
  body_->setMassProps(mass, inertia);
  body_->updateInertiaTensor();
  if (!shapes_.empty() && scene_->ContinuousCollision()) EnableSweeps(*body_);
}

void BulletActor::AddToWorld() {
  int group = kFilterDynamic, mask = kFilterAll;
  if (kind_ == Kind::Proxy) {
    group = kFilterProxy;
    mask = kFilterDynamic | kFilterStaticTrigger;
  } else if (kind_ == Kind::Static) {
    group = IsTrigger() ? kFilterStaticTrigger : kFilterStatic;
    mask = IsTrigger() ? kFilterDynamic | kFilterProxy : kFilterDynamic;
  }
  scene_->world.addRigidBody(body_.get(), group, mask);
  if (kind_ == Kind::Dynamic) body_->activate(true);
  inWorld_ = true;
}

void BulletActor::RemoveFromWorld() {
  if (!inWorld_) return;
  scene_->world.removeRigidBody(body_.get());
  inWorld_ = false;
}

}  // namespace platform::physics::bullet
