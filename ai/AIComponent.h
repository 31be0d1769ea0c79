#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ai/AIActionSet.h"
#include "ai/agents/AIBrain.h"
#include "ai/agents/AgentRoute.h"
#include "ai/agents/AgentTargets.h"
#include "entity/Component.h"
#include "entity/EntityManager.h"
#include "platform/math/Vector.h"
#include "sound/SoundEmitter.h"

class AgentRoster;
class MapIndexComp;
class PhysicalComp;
class PlayerPhysics;

// The AI's hold on a thief or a guard, found as "AIComponent": the agent's kind and brain, its
// action queue (the current set, whose name is the agent's state), the sets requested since the
// last think step, its clocks, the targets it has picked, its route follower and its voice.
// Behaviour changes only by requesting named sets; the next think step decides which one runs.
class AIComponent : public Component {
 public:
  static constexpr char kComponentName[] = "AIComponent";
  // Thinking at least this often; a fall check forces a think step too.
  static constexpr float kThinkPeriod = 0.5f;
  static constexpr int32_t kChaseCountCap = 3;

  AIComponent();
  ~AIComponent() override;
  AIComponent(const AIComponent&) = delete;
  AIComponent& operator=(const AIComponent&) = delete;

  // Joins the current AI's agents, enabled, with the owner's body cached. The AI's roster is
  // the agent's from then on, and its brain's.
  void Activate() override;
  // Null without an AI, and once the AI is gone.
  AgentRoster* Roster() const { return roster_; }
  void ForgetRoster() { roster_ = nullptr; }
  // Whether the AI drives the owner (false for the user's thief); caches the owner's body.
  void Init(bool enable);
  // "guard" or "thief" gets its brain and becomes the kind; any other word changes nothing.
  void CreateBrain(const std::string& kindName);

  // Requests a set for the next think step: every action aimed at `target` (may be null), and a
  // one-action set lasting `timeOverride` seconds when that is above 0. False, queueing nothing,
  // for a name the action file lacks.
  bool SetActionSet(const std::string& name, float timeOverride, Entity* target);
  // Instant sets run whole; otherwise the first pending set is adopted when the queue is empty
  // or its priority is strictly above the running action's. Every pending set is gone after.
  void ProcessPendingSets();
  // The front action ends; "path pause" after "patrol" resumes the patrol as it was.
  void CompleteAction();
  bool IsCurrentAction(const std::string& name) const;
  // A copy of the front action, or an empty one.
  AIAction GetCurrentAction() const;
  const std::string& GetStateName() const { return current.name; }
  void ResetActionTimer() { actionTimer = 0; }
  // Adopts the set straight as the current one, bypassing the requests.
  void LoadCurrentSet(const AIActionSet& set);

  // Queue, requests, counters, timers and targets dropped (the teleporter slot kept).
  void ClearActions();
  // Back home with nothing: a carried item goes back (or scores at difficulty 3), the box is
  // left, the queue and targets are dropped. Only while enabled.
  void Respawn();
  // As Respawn without the item, the box and the leaving.
  void ResetState();
  // The owner was caught and sent back to a start: a computer thief starts afresh from home,
  // and no agent goes on with an action aimed at it.
  void OnBusted();
  // Agents spotting, chasing or hunting for the owner: 0 .. 3.
  int32_t IsChased() const;

  // One frame of the agent.
  void Update(float dt);
  // Starts carrying out the action.
  void ExecuteAction(AIAction& action);

  platform::Vector3 GetPosition() const;
  int32_t GetMapIndex() const;
  bool IsThief() const { return kind == "thief"; }
  bool IsGuard() const { return kind == "guard"; }

  std::string kind;  // "thief" or "guard"
  uint8_t enabled = 0;
  // A guard whose action forbids busting (the guard's own handling sets it).
  uint8_t noBust = 0;
  // Set by a taser hit; the agent's first step after its freeze ends clears it.
  uint8_t tased = 0;
  // The guard's flashlight stays on whatever it does.
  uint8_t lamp = 0;
  // Set while a guard carries out "sleep".
  uint8_t asleep = 0;
  // The thief's box-timer tick, a guard's snore.
  SoundEmitter voice;

  std::vector<AIActionSet> pendingSets;
  std::unique_ptr<AgentRoute> route;
  PhysicalComp* physical = nullptr;
  PlayerPhysics* playerPhysics = nullptr;
  MapIndexComp* mapIndex = nullptr;
  // The teleporter a search picked, and where the last one used led (not to walk straight back).
  EntityHandle chosenTeleporter;
  EntityHandle lastTeleporterTarget;
  std::unique_ptr<AIBrain> brain;
  float thinkTimer = 0;
  float actionTimer = 0;
  float fallCheckTimer = 0;
  float loopCheckTimer = 0;
  // Actions carried out since one last completed.
  int32_t actionsStarted = 0;
  AgentTargets targets;
  AIActionSet current;
  AIAction lastAction;
  platform::Vector3 homePosition;

 private:
  void CacheBody();
  // The queue, timers and targets an agent lets go of, whether its actions are cleared or it
  // starts again from home.
  void ClearQueue();
  // The common part of Respawn and ResetState.
  void DropEverything();
  void GoHome();

  AgentRoster* roster_ = nullptr;
};
