#pragma once
#include "ai/agents/AgentRoute.h"

// The follower of an agent whose AI has no navigation: it never holds a route, so the agent
// arrives wherever it stands and its actions end as they would at a goal.
class StandingRoute : public AgentRoute {
 public:
  void Reset() override { done = 0; nudges = 0; }
  void PlanTo(Entity&) override {}
  void PlanToPoint(const platform::Vector3&) override {}
  bool HasPatrolPath(int32_t) const override { return false; }
  bool TakePatrolPath(int32_t) override { return false; }
  int32_t NodeCount() const override { return 0; }
  bool HasRoute() const override { return false; }
  bool FirstStop(PatrolStop&) const override { return false; }
  void Update(float, int32_t) override { done = 1; }
  void SteerTo(Entity&, float) override {}
};
