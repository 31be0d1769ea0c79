#pragma once
#include <cstdint>

class AIComponent;
class AgentRoster;
class AgentWorld;

// One frame of one agent: its clocks, the stuck and fall checks, the action queue (carrying
// out, timing out, completing), the brain's think step, the speed, and the movement along its
// route or after its quarry, with what happens on arrival.
class AgentUpdate {
 public:
  static constexpr float kLoopCheckPeriod = 0.5f;
  static constexpr int32_t kStuckLimit = 9;
  static constexpr float kFallCheckPeriod = 0.35f;
  static constexpr float kFallDistance = 2000.0f;
  static constexpr float kActionAgeLimit = 20.0f;
  static constexpr float kBoxSpeed = 150.0f;
  // Squared distance from home within which a sleepy guard lies down: 1.1 node spacings squared.
  static constexpr float kSleepReturnRadiusSq = 1.1f * 32.0f * 32.0f;

  AgentUpdate(AIComponent& agent, AgentRoster& roster, AgentWorld& world)
      : agent_(agent), roster_(roster), world_(world) {}
  void Run(float dt);

 private:
  // Each returns true when the frame's update ends there.
  bool LoopCheck();
  bool FallCheck();
  bool RunQueue();
  bool Think(float dt);
  void SetSpeed();
  bool FaceTarget();
  bool Move(float dt);
  void Arrive();
  // The front action ends when its own time is up.
  bool TimeUp() const;

  AIComponent& agent_;
  AgentRoster& roster_;
  AgentWorld& world_;
};
