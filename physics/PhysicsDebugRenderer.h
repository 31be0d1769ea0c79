#pragma once
#include "platform/physics/DebugRenderable.h"

class PhysicsGraphics;

// Turns the world's debug geometry into debug lines: one per line, three per triangle (its
// outline, in the triangle's colour). Points are not drawn.
class PhysicsDebugRenderer {
 public:
  void Render(const platform::physics::DebugRenderable& renderable, PhysicsGraphics& graphics) const;
};
