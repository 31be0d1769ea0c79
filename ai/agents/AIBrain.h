#pragma once
#include <string>
#include <vector>

#include "entity/EntityManager.h"

class AIComponent;
class AgentRoute;
class Entity;

// The decision maker of one agent: a guard's or a computer thief's. The agent asks it, on each
// think step, which action sets to request, and, when its queue runs dry, which set to fall back
// to. It reaches the AI's agents and the game through its agent's roster.
class AIBrain {
 public:
  virtual ~AIBrain() = default;

  // The next entity to search for, or null. `radius` is the caller's reach; the thief ignores it.
  virtual Entity* NextTarget(float radius) = 0;
  // Drops the entity from the search list.
  virtual void RemoveTarget(const Entity& entity) = 0;
  // The agent is about to pass through the teleporter it has reached.
  virtual void OnTeleport() = 0;
  // Called once right after the brain is bound to its agent (and by the thief when its search
  // list runs out).
  virtual void Reset() = 0;
  // The set an idle agent loads.
  virtual std::string GetStateName() = 0;
  // The next errand (thieves only).
  virtual void ChooseGoal() = 0;
  virtual void Think(float dt, AgentRoute& route) = 0;

  AIComponent* agent = nullptr;
  std::string stateName;
  // The thief's places to visit, in the order they were listed.
  std::vector<EntityHandle> searchList;
};
