#include "ai/agents/AgentRoster.h"

#include <algorithm>
#include <cctype>
#include <limits>

#include "ai/AI.h"
#include "ai/AIComponent.h"
#include "ai/AIConfig.h"
#include "ai/agents/AgentWorld.h"
#include "ai/agents/RouteFollower.h"
#include "entity/Entity.h"
#include "physics/MapIndexComp.h"

namespace {

AgentRoster* current = nullptr;
constexpr int32_t kOutfits = 4;

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

AgentRoster* AgentRoster::Get() { return current; }

void AgentRoster::Set(AgentRoster* roster) { current = roster; }

AgentRoster::~AgentRoster() {
  // Agents that outlive the roster must not reach back into it.
  for (AIComponent* agent : ai_.GetAgents()) agent->ForgetRoster();
  if (current == this) current = nullptr;
}

void AgentRoster::Add(AIComponent& agent) { ai_.AddAgent(&agent); }

void AgentRoster::Remove(AIComponent& agent) { ai_.RemoveAgent(&agent); }

const std::vector<AIComponent*>& AgentRoster::GetAgents() const { return ai_.GetAgents(); }

const AIConfig& AgentRoster::Config() const { return ai_.GetConfig(); }

const std::vector<EntityHandle>& AgentRoster::GetCoverSpots() const { return ai_.GetCoverSpots(); }

std::string AgentRoster::GetMapName(int32_t mapIndex) const {
  const std::vector<std::string>& names = ai_.GetMapNames();
  if (mapIndex < 0 || static_cast<size_t>(mapIndex) >= names.size()) return "";
  return names[static_cast<size_t>(mapIndex)];
}

double AgentRoster::Now() const { return ai_.Now(); }

bool AgentRoster::FindActionSet(const std::string& name, AIActionSet& out) {
  AIActionSet found;
  if (ai_.FindActionSet(name, found)) {
    out.Adopt(found, static_cast<float>(Now()));
    return true;
  }
  if (reportedMissing_.insert(Lower(name)).second) {
    ai_.Log("No action set named \"" + Lower(name) + "\" in " + kActionConfigPath, 1);
  }
  return false;
}

int32_t AgentRoster::GetDifficulty() const {
  // The difficulty divides random draws (rand() % (4 - difficulty)): outside 1 .. 3 it would
  // divide by zero or turn the odds around.
  return world_ ? std::clamp(world_->GetDifficulty(), 1, 3) : 1;
}

std::unique_ptr<AgentRoute> AgentRoster::MakeRoute(AIComponent& agent) const {
  if (routeFactory_) return routeFactory_(agent);
  return std::make_unique<RouteFollower>(agent, &ai_.GetPathSet());
}

void AgentRoster::CreateThieves(int32_t wanted) {
  if (!world_) return;
  Entity* user = world_->GetControlledPlayer();
  const int32_t userOutfit = user ? world_->GetOutfit(*user) : -1;
  const int32_t count = std::min(wanted, ai_.GetConfig().MaxThieves);
  for (int32_t made = 0, k = 1; made < count; ++made, ++k) {
    Entity* thief = world_->CreateEntity("Player");
    AIComponent* agent = thief ? thief->Find<AIComponent>() : nullptr;
    if (!agent) {
      ai_.Log("No computer thief could be made", 1);
      return;
    }
    int32_t outfit = k % kOutfits;
    if (outfit == userOutfit) outfit = (++k) % kOutfits;
    world_->SetOutfit(*thief, outfit);
    agent->CreateBrain("thief");
    agent->Init(true);
    world_->MovePlayerToStart(*thief);
    agent->homePosition = agent->GetPosition();
  }
}

void AgentRoster::ResetAll() {
  for (AIComponent* agent : ai_.GetAgents()) agent->ResetState();
}

void AgentRoster::UpdateAgents(float dt) {
  // An update may delete nothing, but a reaction may add requests to other agents; walk a copy
  // so that an agent leaving the list mid-walk cannot skip another.
  const std::vector<AIComponent*> agents = ai_.GetAgents();
  for (AIComponent* agent : agents) {
    const std::vector<AIComponent*>& live = ai_.GetAgents();
    if (std::find(live.begin(), live.end(), agent) != live.end()) agent->Update(dt);
  }
}

void AgentRoster::SendGuardToAlarm(const platform::Vector3& point, Entity* thief) {
  auto* thiefMap = thief ? thief->Find<MapIndexComp>() : nullptr;
  const int32_t alarmMap = thiefMap ? static_cast<int32_t>(thiefMap->mapIndex) : 0;
  AIComponent* nearest = nullptr;
  float nearestDistance = std::numeric_limits<float>::max();
  for (AIComponent* agent : ai_.GetAgents()) {
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

void AgentRoster::OnPlayerTeleport(const platform::Vector3& target) {
  constexpr float kNearTarget = 1200.0f;
  Entity* user = world_ ? world_->GetControlledPlayer() : nullptr;
  auto* userMap = user ? user->Find<MapIndexComp>() : nullptr;
  // Called before the thief takes the target's map: this is the map it leaves.
  const int32_t left = userMap ? static_cast<int32_t>(userMap->mapIndex) : -1;
  for (AIComponent* agent : ai_.GetAgents()) {
    if (!agent->IsGuard()) continue;
    if (platform::Vec3LengthSq(agent->GetPosition() - target) < kNearTarget * kNearTarget) agent->Respawn();
    agent->voice.Pause();
    if (agent->GetMapIndex() == left && agent->IsCurrentAction("sleep")) agent->voice.Play();
  }
}

void AgentRoster::ForgetTarget(const Entity& target) {
  for (AIComponent* agent : ai_.GetAgents()) {
    // The rest of the set goes too while it aims there: a surprise ended would leave its chase.
    while (!agent->current.Empty() && agent->current.actions.front().target.Id() == target.GetId()) {
      agent->CompleteAction();
    }
  }
}
