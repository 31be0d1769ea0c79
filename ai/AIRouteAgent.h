#pragma once
#include <string>

class Entity;

// What route following asks of the agent it moves. The agent component answers; tests hand in
// an agent of their own.
class AIRouteAgent {
 public:
  virtual ~AIRouteAgent() = default;
  // Back to the agent's home, its actions dropped (a leg that took too long).
  virtual void Respawn() = 0;
  // Its actions dropped, so that it chooses anew (it cannot get unstuck).
  virtual void ClearActions() = 0;
  // Requests a named action set; `time` above 0 overrides a one-action set's time.
  virtual bool SetActionSet(const std::string& name, float time, Entity* target) = 0;
  // True for an awake guard, which pauses and turns at patrol points.
  virtual bool PausesAtPatrolPoints() const = 0;
};
