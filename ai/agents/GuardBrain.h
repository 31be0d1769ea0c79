#pragma once
#include <cstdint>

#include "ai/agents/AIBrain.h"

class AgentRoster;
class AgentWorld;

// A guard's decisions: asleep in a smoke cloud, woken by a walking thief, chasing a thief it sees
// (surprised first when it has not chased for a while), switching to a nearer thief, and sent to
// investigate where it lost its quarry. It also takes up the guard's patrol again.
class GuardBrain : public AIBrain {
 public:
  // Squared distance from a burst smoke bomb within which a guard falls asleep (about 187 units).
  static constexpr float kSmokeRadiusSq = 35000.0f;
  // Seconds without a chase after which a sighting surprises the guard first.
  static constexpr float kSurpriseAfter = 3.3f;
  // Distance from home within which an idle guard resumes its own set rather than "patrol".
  static constexpr float kHomeReach = 100.0f;
  // Squared distance from home within which the patrol starts over on the spot (250 units).
  static constexpr float kRenewReachSq = 62500.0f;

  GuardBrain() { stateName = "patrol"; }

  Entity* NextTarget(float) override { return nullptr; }
  void RemoveTarget(const Entity&) override {}
  void OnTeleport() override {}
  void Reset() override {}
  std::string GetStateName() override;
  void ChooseGoal() override {}
  void Think(float dt, AgentRoute& route) override;

  // Back on the patrol path: from here when near home, else after walking home.
  void RenewPatrolPath();

  int32_t patrolPathIndex = -1;
  // A sleeper: it listens instead of looking, and lies down again when back home.
  bool asleep = false;
  float notChasingTime = 1000.0f;

 private:
  bool SleepInSmoke(AgentRoster& roster, AgentWorld& world);
  void ReactToThief(Entity& thief);
  void TurnToFirstStop();
};
