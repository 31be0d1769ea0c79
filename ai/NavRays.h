#pragma once
#include <optional>

#include "ai/nav/NavWorld.h"
#include "platform/math/Vector.h"

class Engine;
class Physics;

// The AI's view of the physics world: rays against every shape of the one world, and the
// level's fixed shapes for the navigation's box test. Without physics it is an empty world.
class NavRays : public NavWorld {
 public:
  // Asks the engine for its physics at each question: the world may come after the AI.
  explicit NavRays(Engine& engine) : engine_(engine) {}

  // The direction is normalised here.
  std::optional<float> RayHitDistance(const platform::Vector3& origin, const platform::Vector3& direction) const override;
  std::optional<platform::Vector3> FloorBelow(const platform::Vector3& position) const override;
  bool BoxOverlapsLevel(const platform::Vector3& centre, const platform::Vector3& halfExtents) const override;

 private:
  const Physics* World() const;

  Engine& engine_;
};
