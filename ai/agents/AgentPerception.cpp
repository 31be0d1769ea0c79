#include "ai/agents/AgentPerception.h"

#include "ai/AIComponent.h"
#include "ai/AIConfig.h"
#include "ai/agents/AgentRoster.h"
#include "ai/agents/AgentWorld.h"
#include "entity/Entity.h"
#include "physics/PhysicalComp.h"
#include "physics/PlayerPhysics.h"

namespace {

constexpr float kChaseRangeFactor = 1.5f;

}  // namespace

bool AgentPerception::IsAbsent(const AIComponent& other) const {
  if (&other == &agent_ || !other.owner) return true;
  if (other.physical && other.physical->frozen) return true;
  return world_.IsInBox(*other.owner);
}

void AgentPerception::Look() {
  agent_.targets.seenThief = EntityHandle();
  agent_.targets.seenGuard = EntityHandle();
  float range = roster_.Config().THIEF_VISION_RANGE;
  float facingLimit = 0.8f;
  if (agent_.IsGuard()) {
    const bool chasing = agent_.IsCurrentAction("chase");
    range = roster_.Config().GUARD_VISION_RANGE * (chasing ? kChaseRangeFactor : 1.0f);
    facingLimit = chasing ? 1.0f : 0.6f;
  }
  const platform::Vector3 eye = agent_.GetPosition();
  const platform::Vector3 facing =
      platform::Vec3Normalize(agent_.physical ? agent_.physical->direction : platform::Vector3{});
  for (AIComponent* other : roster_.GetAgents()) {
    if (IsAbsent(*other)) continue;
    const platform::Vector3 toOther = other->GetPosition() - eye;
    if (platform::Vec3LengthSq(toOther) > range) continue;
    // Two agents in one spot see each other without a ray (whose direction would be zero).
    const platform::Vector3 along = platform::Vec3Normalize(toOther);
    AgentRayHit hit;
    if (along != platform::Vector3{} && world_.CastRay(eye, along, hit) && hit.entity != other->owner) continue;
    // The stored facing points backwards (from what was faced to the agent): the blind cone
    // lies where it points.
    if (platform::Vec3Dot(facing, along) > facingLimit) continue;
    if (other->IsGuard()) {
      (other->asleep ? agent_.targets.seenSleepingGuard : agent_.targets.seenGuard).Set(other->owner);
    } else if (other->IsThief()) {
      agent_.targets.seenThief.Set(other->owner);
    }
  }
}

bool AgentPerception::ListenForThieves() {
  agent_.targets.heardThief = EntityHandle();
  float loudest = kHearingThreshold;
  const platform::Vector3 ear = agent_.GetPosition();
  for (AIComponent* other : roster_.GetAgents()) {
    if (other->IsGuard() || IsAbsent(*other) || !other->playerPhysics) continue;
    if (other->playerPhysics->move == platform::Vector3{}) continue;
    const float distance = platform::Vec3Length(other->GetPosition() - ear);
    if (distance == 0.0f) continue;
    const float loudness = roster_.Config().LISTEN_RANGE_MODIFIER / distance * other->playerPhysics->speed;
    if (loudness > loudest) {
      loudest = loudness;
      agent_.targets.heardThief.Set(other->owner);
    }
  }
  return agent_.targets.heardThief.Get() != nullptr;
}
