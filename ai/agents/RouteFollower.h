#pragma once
#include "ai/AIRouteAgent.h"
#include "ai/AIRouteRequest.h"
#include "ai/agents/AgentRoute.h"

class AIComponent;
class AIPathSet;

// An agent's route follower in the game: the navigation's route request, answering it for the
// agent it moves, with the guards' patrol paths at hand.
class RouteFollower : public AgentRoute, public AIRouteAgent {
 public:
  // Without patrol paths (no AI running) a guard has none to take.
  RouteFollower(AIComponent& agent, AIPathSet* patrols);

  void Reset() override;
  void PlanTo(Entity& target) override;
  void PlanToPoint(const platform::Vector3& point) override;
  bool HasPatrolPath(int32_t index) const override;
  bool TakePatrolPath(int32_t index) override;
  int32_t NodeCount() const override;
  bool HasRoute() const override { return request_.GetRoute() != nullptr; }
  bool FirstStop(PatrolStop& out) const override;
  void Update(float dt, int32_t mapIndex) override;
  void SteerTo(Entity& target, float dt) override;

  // AIRouteAgent
  void Respawn() override;
  void ClearActions() override;
  bool SetActionSet(const std::string& name, float time, Entity* target) override;
  bool PausesAtPatrolPoints() const override;

 private:
  // The request keeps its own copies of what the agent reads and writes here.
  void Give();
  void Take();

  AIComponent& agent_;
  AIPathSet* patrols_;
  AIRouteRequest request_;
};
