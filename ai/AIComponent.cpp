#include "ai/AIComponent.h"

#include <algorithm>

#include "ai/agents/ActionExecutor.h"
#include "ai/agents/AgentFinders.h"
#include "ai/agents/AgentRoster.h"
#include "ai/agents/AgentUpdate.h"
#include "ai/agents/AgentWorld.h"
#include "ai/agents/GadgetIndex.h"
#include "ai/agents/GuardBrain.h"
#include "ai/agents/RouteFollower.h"
#include "ai/agents/ThiefBrain.h"
#include "engine/Engine.h"
#include "entity/Entity.h"
#include "physics/MapIndexComp.h"
#include "physics/PhysicalComp.h"
#include "physics/PlayerPhysics.h"

namespace {

float Now() { return static_cast<float>(Engine::Get()->GetTimer()->GetTime()); }

}  // namespace

AIComponent::AIComponent() : route(std::make_unique<RouteFollower>(*this, nullptr)) {}

AIComponent::~AIComponent() {
  if (roster_) roster_->Remove(*this);
}

void AIComponent::Activate() {
  roster_ = AgentRoster::Get();
  if (roster_) {
    roster_->Add(*this);
    route = roster_->MakeRoute(*this);
  }
  Init(true);
}

void AIComponent::Init(bool enable) {
  enabled = enable ? 1 : 0;
  CacheBody();
}

void AIComponent::CacheBody() {
  if (!owner) return;
  physical = owner->Find<PhysicalComp>();
  playerPhysics = owner->Find<PlayerPhysics>();
  mapIndex = owner->Find<MapIndexComp>();
}

void AIComponent::CreateBrain(const std::string& kindName) {
  if (kindName == "guard") {
    brain = std::make_unique<GuardBrain>();
  } else if (kindName == "thief") {
    brain = std::make_unique<ThiefBrain>();
  } else {
    return;
  }
  brain->agent = this;
  brain->Reset();
  kind = kindName;
}

bool AIComponent::SetActionSet(const std::string& name, float timeOverride, Entity* target) {
  AgentRoster* roster = roster_;
  AIActionSet set;
  if (!roster || !roster->FindActionSet(name, set)) return false;
  if (target) {
    for (AIAction& action : set.actions) action.target.Set(target);
  }
  if (timeOverride > 0.0f && set.actions.size() == 1) set.actions.front().Time = timeOverride;
  pendingSets.push_back(std::move(set));
  return true;
}

void AIComponent::ProcessPendingSets() {
  // Instant sets run whole, in the order they came, and never become the current set.
  for (size_t i = 0; i < pendingSets.size();) {
    if (pendingSets[i].Empty() || pendingSets[i].actions.front().Time != 0.0f) {
      ++i;
      continue;
    }
    AIActionSet instant = std::move(pendingSets[i]);
    pendingSets.erase(pendingSets.begin() + static_cast<std::ptrdiff_t>(i));
    for (AIAction& action : instant.actions) ExecuteAction(action);
  }
  if (pendingSets.empty()) return;
  // Only the first set left may run; the rest are dropped before it starts, so what its first
  // action requests waits for the next think step instead of vanishing with them.
  AIActionSet first = std::move(pendingSets.front());
  pendingSets.clear();
  if (!current.Empty()) {
    if (first.Empty() || current.actions.front().Priority >= first.actions.front().Priority) return;
    CompleteAction();
  }
  LoadCurrentSet(first);
}

void AIComponent::LoadCurrentSet(const AIActionSet& set) {
  current.Adopt(set, Now());
  if (!current.Empty()) ExecuteAction(current.actions.front());
}

void AIComponent::CompleteAction() {
  if (current.Empty()) return;
  if (current.name == "path pause" && lastAction.Name == "patrol") {
    // The pause interrupted a patrol: the patrol goes on from where it was, not planned anew.
    AIActionSet resumed;
    resumed.actions.push_back(lastAction);
    current.Adopt(resumed, Now());
    current.actions.front().started = 1;
  } else {
    lastAction = current.actions.front();
    current.actions.erase(current.actions.begin());
    if (lastAction.Name == "confuse") current.Clear();
    if (!current.Empty()) current.actions.front().started = 0;
  }
  actionsStarted = 0;
  actionTimer = 0;
  fallCheckTimer = 0;
}

bool AIComponent::IsCurrentAction(const std::string& name) const {
  return !current.Empty() && current.actions.front().Name == name;
}

AIAction AIComponent::GetCurrentAction() const { return current.Empty() ? AIAction{} : current.actions.front(); }

void AIComponent::ClearActions() {
  ClearQueue();
  route->done = 0;
}

void AIComponent::ClearQueue() {
  route->Reset();
  current.Clear();
  pendingSets.clear();
  actionsStarted = 0;
  actionTimer = 0;
  thinkTimer = 0;
  fallCheckTimer = 0;
  targets.ClearAllButTeleporter();
}

void AIComponent::Respawn() {
  if (!enabled) return;
  AgentRoster* roster = roster_;
  AgentWorld* world = roster ? roster->GetWorld() : nullptr;
  if (world && owner) {
    if (world->CarriesItem(*owner)) {
      // The hardest game lets a caught thief's item score at the lobby instead of going back.
      Entity* dropoff = roster->GetDifficulty() == 3 ? AgentFinders(*this, *world).FindDropoff() : nullptr;
      if (dropoff) {
        world->Deliver(*dropoff, *owner);
      } else {
        world->ReturnCarriedItem(*owner);
      }
    }
    if (world->IsInBox(*owner)) {
      world->SelectGadget(*owner, gadget::kBox);
      world->Fire(*owner);
    }
  }
  DropEverything();
  GoHome();
}

void AIComponent::ResetState() {
  DropEverything();
  GoHome();
}

void AIComponent::OnBusted() {
  CacheBody();
  AgentRoster* roster = roster_;
  AgentWorld* world = roster ? roster->GetWorld() : nullptr;
  if (!world || !owner) return;
  if (owner == world->GetControlledPlayer()) {
    // Sent back to a start as if through a teleporter: the guards near it go home.
    roster->OnPlayerTeleport(GetPosition());
  } else {
    Respawn();
  }
  roster->ForgetTarget(*owner);
}

void AIComponent::DropEverything() {
  ClearQueue();
  if (IsThief() && mapIndex) mapIndex->mapIndex = 0;
  loopCheckTimer = 0;
}

void AIComponent::GoHome() {
  if (asleep) return;
  voice.Pause();
  voice.Rewind();
  if (physical) physical->SetPositionCached(homePosition);
}

int32_t AIComponent::IsChased() const {
  AgentRoster* roster = roster_;
  if (!roster || !owner) return 0;
  int32_t count = 0;
  for (const AIComponent* other : roster->GetAgents()) {
    if (other->current.Empty() || other->current.actions.front().target.Id() != owner->GetId()) continue;
    if (other->GetStateName() == "investigate after chase" || other->IsCurrentAction("chase") ||
        other->IsCurrentAction("surprise")) {
      ++count;
    }
  }
  return std::min(count, kChaseCountCap);
}

void AIComponent::Update(float dt) {
  AgentRoster* roster = roster_;
  if (!roster || !roster->GetWorld()) return;
  AgentUpdate(*this, *roster, *roster->GetWorld()).Run(dt);
}

void AIComponent::ExecuteAction(AIAction& action) {
  AgentRoster* roster = roster_;
  if (!roster || !roster->GetWorld()) return;
  ActionExecutor(*this, *roster, *roster->GetWorld()).Execute(action);
}

platform::Vector3 AIComponent::GetPosition() const { return physical ? physical->GetSettledPosition() : platform::Vector3{}; }

int32_t AIComponent::GetMapIndex() const { return mapIndex ? static_cast<int32_t>(mapIndex->mapIndex) : 0; }
