#include "ai/agents/AgentUpdate.h"

#include "ai/AIComponent.h"
#include "ai/AIConfig.h"
#include "ai/agents/AgentFinders.h"
#include "ai/agents/AgentRoster.h"
#include "ai/agents/AgentWorld.h"
#include "ai/agents/GuardBrain.h"
#include "entity/Entity.h"
#include "physics/MapIndexComp.h"
#include "physics/PhysicalComp.h"
#include "physics/PlayerPhysics.h"

namespace {

constexpr float kChaseBonusStep = 15.0f;

// "look no light" is the watcher's standing set: with no route to follow it would arrive, end
// and start again every frame.
bool IsStill(const std::string& action) {
  return action == "idle" || action == "surprise" || action == "sleep" || action == "confuse" || action == "look" ||
         action == "look no light";
}

}  // namespace

void AgentUpdate::Run(float dt) {
  if (!agent_.enabled || !agent_.brain || !agent_.owner || agent_.owner == world_.GetControlledPlayer()) return;
  agent_.loopCheckTimer += dt;
  agent_.thinkTimer += dt;
  agent_.fallCheckTimer += dt;
  agent_.actionTimer += dt;
  if (agent_.playerPhysics) agent_.playerPhysics->move = {};
  if (!roster_.Config().EnableAI || (agent_.physical && agent_.physical->frozen)) return;
  if (LoopCheck() || FallCheck() || RunQueue() || Think(dt)) return;
  SetSpeed();
  if (FaceTarget()) return;
  if (Move(dt)) Arrive();
}

bool AgentUpdate::LoopCheck() {
  if (agent_.loopCheckTimer < kLoopCheckPeriod || agent_.actionsStarted <= kStuckLimit) return false;
  // Actions that end as soon as they start, over and over: start the agent afresh.
  if (agent_.IsThief()) {
    agent_.ClearActions();
  } else {
    agent_.Respawn();
  }
  agent_.loopCheckTimer = 0;
  agent_.actionsStarted = 0;
  return true;
}

bool AgentUpdate::FallCheck() {
  if (agent_.fallCheckTimer < kFallCheckPeriod) return false;
  AgentRayHit hit;
  // Nothing at all below counts as a fall too: a missed ray has no distance to trust.
  if (!world_.CastRay(agent_.GetPosition(), {0, 0, -1}, hit) || hit.distance > kFallDistance) {
    agent_.Respawn();
    return true;
  }
  agent_.targets.ClearAllButTeleporter();
  agent_.thinkTimer = 0;
  agent_.fallCheckTimer = 0;
  return false;
}

bool AgentUpdate::TimeUp() const {
  if (agent_.current.Empty()) return false;
  const AIAction& front = agent_.current.actions.front();
  return front.Time > 0 && agent_.actionTimer >= front.Time;
}

bool AgentUpdate::RunQueue() {
  if (agent_.current.Empty()) {
    AIActionSet idle;
    if (roster_.FindActionSet(agent_.brain->GetStateName(), idle)) agent_.current = idle;
  }
  if (agent_.current.Empty()) return false;
  AIAction& front = agent_.current.actions.front();
  if (!front.started) {
    agent_.ExecuteAction(front);
    return false;
  }
  const double age = roster_.Now() - front.startStamp;
  // An action whose target has gone (an item another thief took) has nothing left to do.
  const bool targetGone = front.target.Id() != 0 && !front.target.Get();
  if (TimeUp() || age > kActionAgeLimit || targetGone) agent_.CompleteAction();
  return false;
}

bool AgentUpdate::Think(float dt) {
  const bool frontStarted = !agent_.current.Empty() && agent_.current.actions.front().started;
  if (agent_.thinkTimer < AIComponent::kThinkPeriod && agent_.thinkTimer != 0.0f && frontStarted) return false;
  agent_.thinkTimer = 0;
  if (TimeUp()) agent_.CompleteAction();
  agent_.brain->Think(dt, *agent_.route);
  agent_.ProcessPendingSets();
  agent_.pendingSets.clear();
  return agent_.current.Empty() || !agent_.current.actions.front().started;
}

void AgentUpdate::SetSpeed() {
  if (!agent_.playerPhysics) return;
  const AIAction front = agent_.GetCurrentAction();
  float speed = front.Speed;
  Entity* player = world_.GetControlledPlayer();
  const int32_t difficulty = roster_.GetDifficulty();
  if (agent_.IsGuard() && front.Name == "chase" && player && front.target.Get() == player && difficulty != 1) {
    speed += static_cast<float>(difficulty + 2) * kChaseBonusStep;
  }
  if (world_.IsInBox(*agent_.owner) && player) {
    auto* own = agent_.owner->Find<MapIndexComp>();
    auto* theirs = player->Find<MapIndexComp>();
    if (own && theirs && own->mapIndex == theirs->mapIndex) speed = kBoxSpeed;
  }
  agent_.playerPhysics->speed = speed;
}

bool AgentUpdate::FaceTarget() {
  if (!agent_.IsCurrentAction("idle face")) return false;
  Entity* target = agent_.current.actions.front().target.Get();
  auto* physical = target ? target->Find<PhysicalComp>() : nullptr;
  if (!physical) return false;
  if (agent_.physical) agent_.physical->SetDirection(physical->GetPosition() - agent_.GetPosition());
  return true;
}

bool AgentUpdate::Move(float dt) {
  const std::string action = agent_.GetCurrentAction().Name;
  if (agent_.GetStateName() == "disable" || IsStill(action)) {
    agent_.route->nudges = 0;
    return false;
  }
  if (action == "chase") {
    Entity* quarry = agent_.current.actions.front().target.Get();
    if (!quarry || world_.IsInBox(*quarry)) {
      agent_.CompleteAction();
    } else {
      agent_.route->SteerTo(*quarry, dt);
    }
    return false;
  }
  if (action != "sleep") agent_.route->Update(dt, agent_.GetMapIndex());
  return agent_.route->done != 0;
}

void AgentUpdate::Arrive() {
  AgentRoute& route = *agent_.route;
  if ((route.teleportOnArrival || agent_.GetStateName() == "avoid") && agent_.IsThief()) {
    if (Entity* teleporter = AgentFinders(agent_, world_).FindNearestTeleporter()) {
      agent_.brain->OnTeleport();
      world_.Teleport(*teleporter, *agent_.owner);
      agent_.lastTeleporterTarget.Set(world_.GetTeleporterTarget(*teleporter));
      agent_.targets.teleporter = EntityHandle();
      roster_.ForgetTarget(*agent_.owner);
    }
  } else if (auto* brain = dynamic_cast<GuardBrain*>(agent_.brain.get());
             brain && brain->asleep && agent_.GetStateName() != "sleep" && !agent_.asleep &&
             platform::Vec3LengthSq(agent_.GetPosition() - agent_.homePosition) <= kSleepReturnRadiusSq) {
    AIActionSet sleep;
    if (roster_.FindActionSet("sleep", sleep)) agent_.LoadCurrentSet(sleep);
    return;
  }
  if (!agent_.current.Empty() && agent_.current.actions.front().started) agent_.CompleteAction();
  route.Reset();
  route.done = 0;
}
