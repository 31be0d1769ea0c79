#include "graphics/PhysicsDebugView.h"

#include "engine/Engine.h"
#include "graphics/Camera.h"
#include "graphics/DebugDraw.h"
#include "graphics/Graphics.h"
#include "physics/Physics.h"
#include "platform/math/Frustum.h"

void PhysicsDebugView::AddDebugLine(const platform::Vector3& start, const platform::Vector3& end, uint32_t argb) {
  if (DebugDraw* debug = graphics_.GetDebugDraw()) debug->AddLine(start.x, start.y, start.z, end.x, end.y, end.z, argb);
}

// Physics adds its boxes during the systems' updates, when the graphics frustum still holds
// the GUI view that closed the last frame; against that view the test bodies' boxes would be
// dropped wherever they are. They are tested against the active camera's view instead, the one
// they will be drawn from.
void PhysicsDebugView::AddDebugBox(const platform::Vector3& centre, const platform::Vector3& size,
                                   const platform::Quaternion& orientation, uint32_t argb) {
  DebugDraw* debug = graphics_.GetDebugDraw();
  if (!debug) return;
  platform::Frustum& frustum = graphics_.GetFrustum();
  const platform::Frustum held = frustum;
  if (const Camera* camera = graphics_.GetActiveCamera()) {
    const platform::Vector3 at = camera->position + camera->direction;
    platform::Matrix viewProjection =
        platform::MatrixLookAtLH(camera->position, at, camera->up) * graphics_.GetProjection();
    frustum.Build(viewProjection);
  }
  debug->AddBox(centre.x, centre.y, centre.z, size.x, size.y, size.z, orientation.x, orientation.y, orientation.z,
                orientation.w, argb);
  frustum = held;
}

void PhysicsDebugView::AddDebugSphere(const platform::Vector3& centre, float radius, uint32_t argb) {
  if (DebugDraw* debug = graphics_.GetDebugDraw()) debug->AddSphere(centre.x, centre.y, centre.z, radius, argb);
}

const platform::Vector3* PhysicsDebugView::GetCameraReference() {
  Camera* camera = graphics_.GetActiveCamera();
  return camera ? &camera->referencePosition : nullptr;
}

void PhysicsDebugView::Attach() {
  if (Physics* physics = Engine::Get()->GetPhysics()) physics->SetGraphics(this);
}

void PhysicsDebugView::Detach() {
  Physics* physics = Engine::Get()->GetPhysics();
  if (physics && physics->GetGraphics() == this) physics->SetGraphics(nullptr);
}

void PhysicsDebugView::DrawWorld() {
  if (Physics* physics = Engine::Get()->GetPhysics()) physics->DrawDebug();
}
