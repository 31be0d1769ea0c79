#include "physics/PlayerPhysics.h"

#include <algorithm>
#include <cmath>

#include "engine/Engine.h"
#include "entity/Entity.h"
#include "physics/BoundingData.h"
#include "physics/PhysicalComp.h"
#include "physics/Physics.h"
#include "physics/PhysicsMath.h"
#include "physics/PhysicsReport.h"
#include "physics/PhysicsSeams.h"
#include "platform/physics/Controller.h"

namespace pp = platform::physics;

namespace {

constexpr float kSkinWidth = 0.1f;
constexpr float kStepOffset = 20.5f;
constexpr double kBoxSlopeLimit = 1.3089969288557768;     // 75 degrees
constexpr double kRadiusSlopeLimit = 0.7853981573134661;  // 45 degrees
constexpr float kInitialSize = 100.0f;
constexpr float kMaxStep = 0.1f;
constexpr float kFallScale = 10.0f;
// Every shape the game makes is in collision group 0: mask 1 meets them all, mask 2 none.
constexpr uint32_t kSolidGroups = 1;
constexpr uint32_t kNoclipGroups = 2;
constexpr float kMinMoveDistance = 0.001f;
constexpr float kSharpness = 1.0f;

bool IsFinite(const platform::Vector3& v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

}  // namespace

PlayerPhysics::~PlayerPhysics() {
  if (Physics* physics = ActivePhysics()) physics->RemovePlayerPhysics(this);
  ReleaseController();
}

void PlayerPhysics::Activate() {
  if (Physics* physics = ActivePhysics()) physics->AddPlayerPhysics(this);
}

void PlayerPhysics::SetupController() {
  Physics* physics = ActivePhysics();
  pp::ControllerManager* manager = physics ? physics->GetControllerManager() : nullptr;
  if (!manager) return;
  auto* physical = owner ? owner->Find<PhysicalComp>() : nullptr;
  if (!physical) {
    Engine::Get()->GetLog()->Write("PhysicsLog", "PlayerPhysics comp could not find Physical comp", 2);
    return;
  }
  pp::ControllerDesc desc;
  desc.position = ToPhysics(physical->GetPosition());
  desc.skinWidth = kSkinWidth;
  desc.stepOffset = kStepOffset;
  desc.callback = physics->GetReport();
  desc.contactReportFlags = physical->ContactReportFlags();
  if (controllerKind == kBox) {
    desc.type = pp::ControllerType::Box;
    desc.slopeLimit = static_cast<float>(std::cos(kBoxSlopeLimit));
    desc.extents = {kInitialSize, kInitialSize, kInitialSize};
  } else {
    desc.type = pp::ControllerType::Capsule;
    desc.slopeLimit = static_cast<float>(std::cos(kRadiusSlopeLimit));
    desc.radius = kInitialSize;
  }
  pp::Controller* created = manager->CreateController(physics->GetScene(), desc);
  if (!created) return;
  (controllerKind == kBox ? boxController : radiusController) = created;
  controller = created;
  controller->SetCollision(true);
  physical->AttachExternalActor(controller->GetActor());
  controllerCreated = 1;
  UpdateControllerSize();
}

void PlayerPhysics::UpdateControllerSize() {
  auto* bounds = owner ? owner->Find<BoundingData>() : nullptr;
  if (!bounds || !bounds->changed || !controller) return;
  if (controllerKind == kRadius && radiusController) radiusController->SetRadius(bounds->radius);
  if (controllerKind == kBox && boxController) {
    boxController->SetExtents({bounds->halfSizeX, bounds->halfSizeY, bounds->halfSizeZ});
  }
  bounds->changed = 0;
}

void PlayerPhysics::Move() {
  if (!controllerCreated) return;
  Physics* physics = ActivePhysics();
  auto* physical = owner ? owner->Find<PhysicalComp>() : nullptr;
  if (!physics || !physical) return;
  const PhysicsSettings& settings = physics->GetSettings();
  const UserControl* control = physics->GetUserControl();
  const bool noclip = settings.noclip && control && control->IsUserControlled(*owner);

  UpdateControllerSize();
  if (physical->positionPending) {
    // A teleport, bust or start position: placed there, no movement this update.
    controller->SetPosition(ToPhysics(physical->pendingPosition));
    physical->positionPending = 0;
    return;
  }

  // Movement code and AI may hand over what is not a number; the character then stands.
  platform::Vector3 displacement = IsFinite(move) ? move : platform::Vector3{};
  uint32_t groups = kNoclipGroups;
  if (!noclip) {
    const float dt = std::min(static_cast<float>(Engine::Get()->GetTimer()->GetDelta()), kMaxStep);
    displacement.z = 0;
    fallVelocity += settings.gravity * dt;
    displacement += fallVelocity * (dt * kFallScale);
    groups = kSolidGroups;
  }
  const uint32_t flags = controller->Move(ToPhysics(displacement), groups, kMinMoveDistance, kSharpness);
  if (flags & pp::kCollisionDown) fallVelocity = {};
}

void PlayerPhysics::DetachFromWorld() {
  boxController = radiusController = controller = nullptr;
  controllerCreated = 0;
  fallVelocity = {};
}

void PlayerPhysics::ReleaseController() {
  if (!controllerCreated || !controller) return;
  // Only controllers of the living world are still held: Physics::Shutdown detaches the rest.
  Physics* physics = ActivePhysics();
  if (pp::ControllerManager* manager = physics ? physics->GetControllerManager() : nullptr) {
    physics->UnmapActor(controller->GetActor());
    manager->ReleaseController(controller);
  }
  DetachFromWorld();
}
