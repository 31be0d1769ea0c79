#include "physics/TestBodies.h"

#include "entity/EntityMessages.h"
#include "physics/Physics.h"
#include "physics/PhysicsMath.h"
#include "physics/PhysicsMessages.h"
#include "physics/PhysicsSeams.h"
#include "platform/physics/Actor.h"

namespace {

constexpr uint32_t kYellow = 0xFFFFFF00;
constexpr float kCubeSize = 16.0f;
constexpr float kSphereRadius = 8.0f;

// Every frame a test body gets "OnUpdate", and "purgephy" knows it.
void StartTestBody(Entity* body) {
  Engine::Get()->GetMessageQueue()->RegisterUpdate(body);
  if (Physics* physics = ActivePhysics()) physics->AddTestBody(body);
}

PhysicsGraphics* DebugGraphics() {
  Physics* physics = ActivePhysics();
  return physics ? physics->GetGraphics() : nullptr;
}

}  // namespace

void PhyCube::Describe(ClassBuilder<PhyCube>& c) {
  c.Component(&PhyCube::physical);
  c.Message(kOnUpdate, &PhyCube::OnUpdate);
}

void PhyCube::OnCreate() { StartTestBody(this); }

void PhyCube::OnUpdate() {
  PhysicsGraphics* graphics = DebugGraphics();
  if (!graphics) return;
  const platform::physics::Actor* actor = physical.GetActor();
  graphics->AddDebugBox(FromPhysics(actor->GetGlobalPose().translation), {kCubeSize, kCubeSize, kCubeSize},
                        FromPhysics(actor->GetGlobalOrientationQuat()), kYellow);
}

void PhySphere::Describe(ClassBuilder<PhySphere>& c) {
  c.Component(&PhySphere::physical);
  c.Message(kOnUpdate, &PhySphere::OnUpdate);
  c.Message(kOnStartTouch, &PhySphere::OnStartTouch);
}

PhySphere::PhySphere() {
  physical.shapeKind = PhysicalComp::kSphere;
  physical.sendOnStartTouch = 1;
}

void PhySphere::OnCreate() { StartTestBody(this); }

void PhySphere::OnUpdate() {
  PhysicsGraphics* graphics = DebugGraphics();
  if (!graphics) return;
  graphics->AddDebugSphere(FromPhysics(physical.GetActor()->GetGlobalPose().translation), kSphereRadius, kYellow);
}
