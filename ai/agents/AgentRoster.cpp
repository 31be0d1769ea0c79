#include "ai/agents/AgentRoster.h"

#include <algorithm>
#include <cctype>
#include <limits>

#include "ai/AIComponent.h"
#include "ai/agents/AgentWorld.h"
#include "ai/agents/StandingRoute.h"
#include "engine/Engine.h"
#include "entity/Entity.h"

namespace {

AgentRoster* current = nullptr;

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

AgentRoster* AgentRoster::Get() { return current; }

void AgentRoster::Set(AgentRoster* roster) { current = roster; }

AgentRoster::~AgentRoster() {
  // Agents that outlive the roster must not reach back into it.
  if (current == this) current = nullptr;
}

void AgentRoster::Add(AIComponent& agent) { agents_.push_back(&agent); }

void AgentRoster::Remove(AIComponent& agent) {
  auto found = std::find(agents_.begin(), agents_.end(), &agent);
  if (found != agents_.end()) agents_.erase(found);
}

void AgentRoster::SetActionSets(std::vector<AIActionSet> sets) {
  for (AIActionSet& set : sets) {
    set.name = Lower(set.name);
    for (AIAction& action : set.actions) action.name = Lower(action.name);
  }
  actionSets_ = std::move(sets);
  reportedMissing_.clear();
}

bool AgentRoster::FindActionSet(const std::string& name, AIActionSet& out) {
  const std::string wanted = Lower(name);
  for (const AIActionSet& set : actionSets_) {
    if (set.name != wanted) continue;
    out.Adopt(set, Engine::Get()->GetTimer()->GetTime());
    return true;
  }
  if (reportedMissing_.insert(wanted).second) {
    Engine::Get()->GetLog()->Write("AI Log", "No action set named \"" + wanted + "\" in Data/ActionConfig.xml", 1);
  }
  return false;
}

int32_t AgentRoster::GetDifficulty() const {
  // The difficulty divides random draws (rand() % (4 - difficulty)): outside 1 .. 3 it would
  // divide by zero or turn the odds around.
  return world_ ? std::clamp(world_->GetDifficulty(), 1, 3) : 1;
}

std::unique_ptr<AgentRoute> AgentRoster::MakeRoute(AIComponent& agent) const {
  if (routeFactory_) {
    if (std::unique_ptr<AgentRoute> route = routeFactory_(agent)) return route;
  }
  return std::make_unique<StandingRoute>();
}

std::string AgentRoster::GetMapName(int32_t mapIndex) const {
  if (mapIndex < 0 || static_cast<size_t>(mapIndex) >= mapNames.size()) return "";
  return mapNames[static_cast<size_t>(mapIndex)];
}

void AgentRoster::UpdateAgents(float dt) {
  // An update may delete nothing, but a reaction may add requests to other agents; walk a copy
  // so that an agent leaving the list mid-walk cannot skip another.
  const std::vector<AIComponent*> agents = agents_;
  for (AIComponent* agent : agents) {
    if (std::find(agents_.begin(), agents_.end(), agent) != agents_.end()) agent->Update(dt);
  }
}

void AgentRoster::SendGuardToAlarm(const platform::Vector3& point, Entity* thief) {
  const int32_t alarmMap = thief && thief->Find<AIComponent>() ? thief->Find<AIComponent>()->GetMapIndex() : -1;
  AIComponent* nearest = nullptr;
  float nearestDistance = std::numeric_limits<float>::max();
  for (AIComponent* agent : agents_) {
    if (agent->IsThief() || agent->IsCurrentAction("chase")) continue;
    if (thief && agent->GetMapIndex() != alarmMap) continue;
    const float distance = platform::Vec3Length(agent->GetPosition() - point);
    if (distance < nearestDistance) {
      nearest = agent;
      nearestDistance = distance;
    }
  }
  if (nearest) nearest->SetActionSet("investigate", 0.0f, thief);
}

void AgentRoster::ForgetTarget(const Entity& target) {
  for (AIComponent* agent : agents_) {
    if (!agent->current.Empty() && agent->current.actions.front().target.Id() == target.GetId()) {
      agent->CompleteAction();
    }
  }
}
