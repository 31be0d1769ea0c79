#pragma once
#include <map>
#include <string>

#include "platform/math/Vector.h"

class AIComponent;
class AgentRoster;
class AgentWorld;
class Entity;
struct AIAction;

// Carries out one action of an agent: starts what it needs (a route, a turn, a gadget, a sound,
// a score). Moving and finishing happen in the agent's update. Action names are the action
// file's; a name the table lacks does nothing beyond the common start.
class ActionExecutor {
 public:
  ActionExecutor(AIComponent& agent, AgentRoster& roster, AgentWorld& world);
  void Execute(AIAction& action);

  // The maps where a thief leaves its box before moving, searches no spawns, may score without
  // reaching a drop-off and starts over when it finds no way.
  static bool IsConfinedMap(const std::string& mapName);

 private:
  using Handler = void (ActionExecutor::*)(Entity* target);
  static const std::map<std::string, Handler>& Table();

  void Face(Entity* target);
  void Patrol(Entity* target);
  void Wander(Entity* target);
  void Move(Entity* target);
  void PlanToTarget(Entity* target);
  void Search(Entity* target);
  void Attack(Entity* target);
  void UseBox(Entity* target);
  void Complete(Entity* target);
  void Surprise(Entity* target);
  void Confuse(Entity* target);
  void Sleep(Entity* target);
  void Chase(Entity* target);
  void WakeUp(Entity* target);

  // Turns the owner so that its stored facing points from the target to it.
  void FaceAwayFrom(Entity& target);
  // The thief's item scores at the nearest lobby drop-off; false when there is none.
  bool DeliverFromAfar();
  bool InConfinedMap() const;
  bool InControlledMap() const;
  void PlayIfControlled(const char* sound, Entity* target);

  AIComponent& agent_;
  AgentRoster& roster_;
  AgentWorld& world_;
  Entity& owner_;
};
