#pragma once

class AIComponent;
class AgentRoster;
class AgentWorld;

// What an agent sees and hears of the other agents.
class AgentPerception {
 public:
  // Loudness a walking thief must exceed to be heard.
  static constexpr float kHearingThreshold = 0.5f;

  AgentPerception(AIComponent& agent, AgentRoster& roster, AgentWorld& world)
      : agent_(agent), roster_(roster), world_(world) {}

  // Refills the seen-thief, seen-guard and seen-sleeping-guard slots: agents within the range,
  // in clear line of sight and outside the rear blind cone of the stored facing (a chasing
  // guard looks half as far again and all round). Later agents of the list win.
  void Look();
  // Fills the heard-thief slot with the loudest moving thief above the threshold; true when
  // one was heard. A thief standing still makes no sound.
  bool ListenForThieves();

 private:
  bool IsAbsent(const AIComponent& other) const;

  AIComponent& agent_;
  AgentRoster& roster_;
  AgentWorld& world_;
};
