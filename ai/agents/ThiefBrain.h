#pragma once
#include "ai/agents/AIBrain.h"

class AgentRoster;
class AgentWorld;

// A computer thief's decisions: search the museum, steal what it sees near it, disable trip
// lasers, fetch batteries, fight or avoid guards and rivals, hide in its box, carry its loot to
// the lobby. It only requests sets; the queue decides which one runs.
class ThiefBrain : public AIBrain {
 public:
  static constexpr float kFightReachSq = 1440000.0f;
  static constexpr float kBoxReachSq = 50000.0f;
  static constexpr int32_t kLaserBatteryMin = 9;
  static constexpr int32_t kBatteryTopUp = 31;
  static constexpr size_t kCoverSpotStride = 3;

  ThiefBrain() { stateName = "search"; }

  // The nearest listed place in the thief's map (every place from the lobby), taken off the
  // list; refills an exhausted list and gives none that time.
  Entity* NextTarget(float radius) override;
  void RemoveTarget(const Entity& entity) override;
  // Walks on through a chain of teleporters in the maps that have them.
  void OnTeleport() override;
  // Every third cover spot, then every spawn that is not the user's alone.
  void Reset() override;
  std::string GetStateName() override { return stateName; }
  void ChooseGoal() override;
  void Think(float dt, AgentRoute& route) override;

 private:
  void FaceRival(AgentRoster& roster, AgentWorld& world);
  // True when the thief hides and thinks no further this step.
  bool FaceGuard(AgentRoster& roster, AgentWorld& world);
};
