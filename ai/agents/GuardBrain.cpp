#include "ai/agents/GuardBrain.h"

#include <limits>

#include "ai/AIComponent.h"
#include "ai/AIConfig.h"
#include "ai/agents/AgentPerception.h"
#include "ai/agents/AgentRoster.h"
#include "ai/agents/AgentWorld.h"
#include "ai/agents/CompassFacing.h"
#include "engine/Engine.h"
#include "entity/Entity.h"
#include "physics/MapIndexComp.h"
#include "physics/PhysicalComp.h"

namespace {

float DistanceSq(const AIComponent& agent, Entity* other) {
  auto* physical = other ? other->Find<PhysicalComp>() : nullptr;
  // A quarry that is gone is infinitely far: any thief in sight is nearer.
  if (!physical) return std::numeric_limits<float>::max();
  return platform::Vec3LengthSq(physical->GetPosition() - agent.GetPosition());
}

void PrintLine(const char* text) { Engine::Get()->GetConsole()->Print(text, 0); }

}  // namespace

std::string GuardBrain::GetStateName() {
  if (platform::Vec3Length(agent->GetPosition() - agent->homePosition) <= kHomeReach) return stateName;
  return "patrol";
}

void GuardBrain::Think(float dt, AgentRoute&) {
  AgentRoster* roster = agent->Roster();
  AgentWorld* world = roster ? roster->GetWorld() : nullptr;
  if (!world || agent->GetStateName() == "sleep now") return;
  const AIAction action = agent->GetCurrentAction();
  if (agent->GetStateName() != "chase") notChasingTime += dt;
  if (!agent->asleep) agent->voice.Pause();
  if (SleepInSmoke(*roster, *world)) return;
  if (roster->Config().ChaseThieves) {
    AgentPerception perception(*agent, *roster, *world);
    perception.Look();
    if (asleep && agent->asleep) {
      // A sleeper hears; what it might see with its eyes shut does not count.
      if (perception.ListenForThieves()) agent->SetActionSet("wake up", 0.0f, agent->targets.heardThief.Get());
      return;
    }
    if (Entity* thief = agent->targets.seenThief.Get()) {
      ReactToThief(*thief);
      return;
    }
  }
  if (!agent->targets.seenThief.Get() && action.Name == "chase") {
    agent->CompleteAction();
    agent->SetActionSet("investigate after chase", 0.0f, action.target.Get());
  }
  ChooseGoal();
}

bool GuardBrain::SleepInSmoke(AgentRoster& roster, AgentWorld& world) {
  for (Entity* grenade : world.GetEntities("SmokeGrenade")) {
    auto* physical = grenade->Find<PhysicalComp>();
    if (!physical || !world.HasReleasedSmoke(*grenade)) continue;
    if (platform::Vec3LengthSq(physical->GetPosition() - agent->GetPosition()) >= kSmokeRadiusSq) continue;
    AIActionSet sleep;
    if (roster.FindActionSet("sleep now", sleep)) agent->current = sleep;
    return true;
  }
  return false;
}

void GuardBrain::ReactToThief(Entity& thief) {
  const AIAction action = agent->GetCurrentAction();
  Entity* aimedAt = action.target.Get();
  if (action.Name == "chase") {
    if (aimedAt == &thief) {
      agent->ResetActionTimer();
    } else if (DistanceSq(*agent, &thief) < DistanceSq(*agent, aimedAt)) {
      agent->SetActionSet("chase", 0.0f, &thief);
    }
    return;
  }
  if (aimedAt == &thief && action.Name != "look" && action.Name != "confuse") return;
  if (notChasingTime > kSurpriseAfter) {
    notChasingTime = 0;
    agent->SetActionSet("spot thief", 0.0f, &thief);
  } else {
    agent->SetActionSet("chase", 0.0f, &thief);
  }
}

void GuardBrain::RenewPatrolPath() {
  AgentRoute& route = *agent->route;
  route.Reset();
  if (!route.HasPatrolPath(patrolPathIndex) || agent->asleep) return;
  AgentRoster* roster = agent->Roster();
  AgentWorld* world = roster ? roster->GetWorld() : nullptr;
  Entity* player = world ? world->GetControlledPlayer() : nullptr;
  auto* playerMap = player ? player->Find<MapIndexComp>() : nullptr;
  if (!playerMap || static_cast<int32_t>(playerMap->mapIndex) != agent->GetMapIndex()) {
    // Out of the user's sight a guard need not walk back to its post; it goes on from there
    // with its patrol set, not with a new one that would send it back again at once.
    agent->Respawn();
    route.TakePatrolPath(patrolPathIndex);
  } else if (platform::Vec3LengthSq(agent->GetPosition() - agent->homePosition) < kRenewReachSq) {
    PrintLine("Renewing patrol path");
    route.Reset();
    route.TakePatrolPath(patrolPathIndex);
  } else {
    route.PlanToPoint(agent->homePosition);
    if (!route.HasRoute() || route.NodeCount() == 0) {
      agent->Respawn();
      route.Reset();
      route.TakePatrolPath(patrolPathIndex);
      PrintLine("A GUARD IS BEING A DILL");
    }
  }
  if (agent->current.Empty() && roster) {
    AIActionSet resumed;
    if (roster->FindActionSet(GetStateName(), resumed)) {
      agent->current = resumed;
      if (!agent->current.Empty()) agent->current.actions.front().started = 1;
    }
  }
  TurnToFirstStop();
}

void GuardBrain::TurnToFirstStop() {
  PatrolStop stop;
  if (!agent->route->FirstStop(stop) || stop.pause == 0.0f) return;
  platform::Vector3 facing;
  if (agent->physical && CompassFacing(stop.direction, facing)) agent->physical->SetDirection(facing);
  agent->SetActionSet("path pause", stop.pause, nullptr);
}
