#include "physics/PhysicalComp.h"

#include <cmath>
#include <vector>

#include "entity/Entity.h"
#include "physics/Physics.h"
#include "physics/PhysicsMath.h"
#include "physics/PoseOnlyActor.h"
#include "platform/physics/Scene.h"
#include "physics/BoundingData.h"

namespace pp = platform::physics;

namespace {

bool IsFinite(const platform::Vector3& v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

}  // namespace

PhysicalComp::PhysicalComp() : poseActor_(std::make_unique<PoseOnlyActor>()) { actor = poseActor_.get(); }

PhysicalComp::~PhysicalComp() {
  if (Physics* physics = ActivePhysics()) {
    physics->RemovePhysicalComp(this);
    physics->UnmapActor(actor);
  }
  ReleaseOwnActor();
}

void PhysicalComp::Activate() {
  if (Physics* physics = ActivePhysics()) physics->AddPhysicalComp(this);
}

platform::Vector3 PhysicalComp::GetPosition() const { return FromPhysics(actor->GetGlobalPosition()); }

void PhysicalComp::SetPosition(const platform::Vector3& position) {
  // A position that is not a number would poison the world's broadphase; keep the old one.
  if (IsFinite(position)) actor->SetGlobalPosition(ToPhysics(position));
}

void PhysicalComp::SetPositionCached(const platform::Vector3& position) {
  if (!actorCreated) {
    SetPosition(position);
    return;
  }
  pendingPosition = position;
  positionPending = 1;
}

platform::Quaternion PhysicalComp::GetOrientation() const { return FromPhysics(actor->GetGlobalOrientationQuat()); }

void PhysicalComp::SetOrientation(const platform::Quaternion& orientation) {
  actor->SetGlobalOrientationQuat(ToPhysics(orientation));
}

void PhysicalComp::SetDirection(const platform::Vector3& facing) {
  direction = facing;
  SetOrientation(platform::QuaternionRotationAxis({0, 0, 1}, std::atan2(facing.y, facing.x)));
}

platform::Vector3 PhysicalComp::GetVelocity() const { return FromPhysics(actor->GetLinearVelocity()); }

void PhysicalComp::SetVelocity(const platform::Vector3& velocity) {
  if (IsFinite(velocity)) actor->SetLinearVelocity(ToPhysics(velocity));
}

uint32_t PhysicalComp::ContactReportFlags() const {
  uint32_t flags = 0;
  if (sendOnStartTouch) flags |= pp::kNotifyOnStartTouch;
  if (sendOnEndTouch) flags |= pp::kNotifyOnEndTouch;
  if (sendOnTouch) flags |= pp::kNotifyOnTouch;
  return flags;
}

uint32_t PhysicalComp::ShapeFlags() const {
  uint32_t flags = pp::kShapeVisualization;
  if (isTrigger) flags |= pp::kTriggerEnable;
  return flags;
}

void PhysicalComp::CreateActor() {
  if (externalActor || !createActor || actorCreated) return;
  Physics* physics = ActivePhysics();
  pp::Scene* scene = physics ? physics->GetScene() : nullptr;
  if (!scene) return;

  pp::BodyDesc body;
  body.angularDamping = 1.0f;
  pp::ActorDesc desc;
  desc.globalPose.translation = poseActor_->GetGlobalPosition();
  desc.density = 10.0f;
  desc.group = 1;
  desc.body = isStatic ? nullptr : &body;
  if (!collisionResponse) desc.flags |= pp::kActorDisableResponse;
  desc.contactReportFlags = ContactReportFlags();
  if (shapeKind == kBox) desc.shapes.push_back(pp::ShapeDesc::Box(ToPhysics(boxExtents)));
  if (shapeKind == kSphere) desc.shapes.push_back(pp::ShapeDesc::Sphere(radius));
  for (pp::ShapeDesc& shape : desc.shapes) shape.flags = ShapeFlags();

  pp::Actor* created = scene->CreateActor(desc);
  if (!created) return;
  actor = created;
  ownsActor_ = true;
  physics->MapActorToEntity(actor, owner);
  actorCreated = 1;
  UpdateShapes();
}

void PhysicalComp::UpdateShapes() {
  auto* bounds = owner ? owner->Find<BoundingData>() : nullptr;
  if (!bounds || !bounds->changed) return;
  const std::vector<pp::Shape*> shapes(actor->GetShapes(), actor->GetShapes() + actor->GetNbShapes());
  for (pp::Shape* shape : shapes) actor->ReleaseShape(*shape);
  pp::ShapeDesc desc;
  if (shapeKind == kBox) desc = pp::ShapeDesc::Box({bounds->halfSizeX, bounds->halfSizeY, bounds->halfSizeZ});
  if (shapeKind == kSphere) desc = pp::ShapeDesc::Sphere(bounds->radius);
  if (shapeKind == kBox || shapeKind == kSphere) {
    desc.flags = ShapeFlags();
    actor->CreateShape(desc);
  }
  bounds->changed = 0;
}

void PhysicalComp::ApplyRequests() {
  if (!actorCreated) return;
  if (freezeRequested) {
    ++freezeCount;
    actor->RaiseBodyFlag(pp::kBodyFrozen);
    frozen = 1;
    freezeRequested = 0;
  }
  if (unfreezeRequested) {
    // Freezes nest: a body thaws only when every freeze has been undone.
    if (freezeCount > 0) --freezeCount;
    if (freezeCount == 0) {
      actor->ClearBodyFlag(pp::kBodyFrozen);
      frozen = 0;
    }
    unfreezeRequested = 0;
  }
  if (externalActor) return;
  if (positionPending) {
    SetPosition(pendingPosition);
    positionPending = 0;
  }
  UpdateShapes();
}

void PhysicalComp::AttachExternalActor(pp::Actor* controllerActor) {
  Physics* physics = ActivePhysics();
  if (actorCreated && physics) physics->UnmapActor(actor);
  ReleaseOwnActor();
  actor = controllerActor;
  ownsActor_ = false;
  actorCreated = 1;
  if (physics) physics->MapActorToEntity(actor, owner);
}

void PhysicalComp::DetachFromWorld() {
  if (!actorCreated) return;
  poseActor_->SetGlobalPosition(actor->GetGlobalPosition());
  poseActor_->SetGlobalOrientationQuat(actor->GetGlobalOrientationQuat());
  poseActor_->SetLinearVelocity(actor->GetLinearVelocity());
  if (Physics* physics = ActivePhysics()) physics->UnmapActor(actor);
  ReleaseOwnActor();
  actor = poseActor_.get();
  actorCreated = 0;
  // The next world's actor starts thawed.
  freezeCount = 0;
  frozen = 0;
}

void PhysicalComp::ReleaseOwnActor() {
  if (!ownsActor_) return;
  ownsActor_ = false;
  Physics* physics = ActivePhysics();
  // Through the current world: an actor of a world that is gone is only a husk, which any
  // scene frees without touching its own world.
  if (pp::Scene* scene = physics ? physics->GetScene() : nullptr) scene->ReleaseActor(actor);
}
