#include "ai/agents/RouteFollower.h"

#include "ai/AIComponent.h"
#include "ai/nav/AIPathSet.h"
#include "ai/agents/GuardBrain.h"

RouteFollower::RouteFollower(AIComponent& agent, AIPathSet* patrols) : agent_(agent), patrols_(patrols) {}

void RouteFollower::Give() {
  // The agent caches its body when its owner sets up, after this follower was made.
  request_.Bind(agent_.owner, agent_.physical, agent_.playerPhysics, this);
  request_.done = done;
  request_.viaTeleporter = teleportOnArrival;
  request_.nudgeCount = nudges;
  request_.homeFacing = homeFacing;
}

void RouteFollower::Take() {
  done = request_.done;
  teleportOnArrival = request_.viaTeleporter;
  nudges = request_.nudgeCount;
}

void RouteFollower::Reset() {
  Give();
  request_.Reset();
  Take();
}

void RouteFollower::PlanTo(Entity& target) {
  Give();
  request_.PlanTo(&target);
  Take();
}

void RouteFollower::PlanToPoint(const platform::Vector3& point) {
  Give();
  request_.PlanToPoint(point.x, point.y, point.z);
  Take();
}

bool RouteFollower::HasPatrolPath(int32_t index) const {
  return patrols_ && index >= 0 && static_cast<size_t>(index) < patrols_->patrolPaths.size();
}

bool RouteFollower::TakePatrolPath(int32_t index) {
  if (!HasPatrolPath(index)) return false;
  auto copy = std::make_unique<AIRoute>();
  copy->Append(patrols_->patrolPaths[static_cast<size_t>(index)]);
  copy->name = patrols_->patrolPaths[static_cast<size_t>(index)].name;
  copy->mapIndex = patrols_->patrolPaths[static_cast<size_t>(index)].mapIndex;
  request_.SetRoute(std::move(copy));
  return true;
}

int32_t RouteFollower::NodeCount() const {
  return request_.GetRoute() ? static_cast<int32_t>(request_.GetRoute()->nodeIds.size()) : 0;
}

bool RouteFollower::FirstStop(PatrolStop& out) const {
  const AIRoute* route = request_.GetRoute();
  if (!route || route->points.empty()) return false;
  out.pause = route->points.front().pause;
  out.direction = route->points.front().direction;
  return true;
}

void RouteFollower::Update(float dt, int32_t mapIndex) {
  Give();
  request_.Update(dt, mapIndex);
  Take();
}

void RouteFollower::SteerTo(Entity& target, float dt) {
  Give();
  request_.SteerTo(&target, dt, agent_.GetMapIndex());
  Take();
}

void RouteFollower::Respawn() { agent_.Respawn(); }

void RouteFollower::ClearActions() { agent_.ClearActions(); }

bool RouteFollower::SetActionSet(const std::string& name, float time, Entity* target) {
  return agent_.SetActionSet(name, time, target);
}

bool RouteFollower::PausesAtPatrolPoints() const {
  auto* brain = dynamic_cast<GuardBrain*>(agent_.brain.get());
  return brain && !brain->asleep;
}
