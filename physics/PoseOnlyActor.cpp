#include "physics/PoseOnlyActor.h"

#include "engine/Engine.h"
#include "physics/Physics.h"

platform::physics::Scene* PoseOnlyActor::GetScene() const {
  Engine* engine = Engine::Current();
  Physics* physics = engine ? engine->GetPhysics() : nullptr;
  return physics ? physics->GetScene() : nullptr;
}
