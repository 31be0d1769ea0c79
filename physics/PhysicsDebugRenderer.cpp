#include "physics/PhysicsDebugRenderer.h"

#include "physics/PhysicsMath.h"
#include "physics/PhysicsSeams.h"

void PhysicsDebugRenderer::Render(const platform::physics::DebugRenderable& renderable,
                                  PhysicsGraphics& graphics) const {
  for (const auto& line : renderable.lines) {
    graphics.AddDebugLine(FromPhysics(line.p0), FromPhysics(line.p1), line.color);
  }
  for (const auto& tri : renderable.triangles) {
    graphics.AddDebugLine(FromPhysics(tri.p0), FromPhysics(tri.p1), tri.color);
    graphics.AddDebugLine(FromPhysics(tri.p1), FromPhysics(tri.p2), tri.color);
    graphics.AddDebugLine(FromPhysics(tri.p2), FromPhysics(tri.p0), tri.color);
  }
}
