#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "ai/nav/AINode.h"
#include "ai/nav/AIRoute.h"
#include "ai/nav/RouteQuery.h"
#include "ai/nav/TeleporterEnds.h"
#include "entity/EntityManager.h"
#include "platform/math/Vector.h"

class AIRouteAgent;
class Entity;
class PhysicalComp;
class PlayerPhysics;

// An agent's follower of its current route: asks the planner for routes and walks them a frame
// at a time by steering (facing and move vector), unsticking the agent with small jumps and
// giving up on a leg that does not progress.
class AIRouteRequest {
 public:
  // A leg (from one node to the next) that takes this long resets the agent.
  static constexpr float kLegTimeLimit = 15.0f;
  // Unsticking jumps per leg; the stuck frame after the last gives up.
  static constexpr int kMaxNudges = 5;
  // A node is reached within 0.75 of the lattice spacing.
  static constexpr float kArrivalDistanceSq = 0.75f * NODE_SPACING * NODE_SPACING;
  // The agent is stuck when its next point lies this near (squared) to where it stood at the
  // last checkpoint, taken every kCheckpointPeriod.
  static constexpr float kStuckDistanceSq = 1.5f;
  static constexpr float kCheckpointPeriod = 0.5f;
  // An unsticking jump lifts the agent this much.
  static constexpr float kNudgeLift = 30.0f;
  // Homing onto an entity is stuck nearer than this.
  static constexpr float kSteerStuckDistance = 0.75f;

  AIRouteRequest();
  ~AIRouteRequest();
  AIRouteRequest(const AIRouteRequest&) = delete;
  AIRouteRequest& operator=(const AIRouteRequest&) = delete;

  // The agent moved: its owner, body, controller and what following asks of it.
  void Bind(Entity* owner, PhysicalComp* physical, PlayerPhysics* playerPhysics, AIRouteAgent* agent);

  // Drops the route, its teleporter and the leg's clocks; turns the agent to its home facing.
  void Reset();
  // Drops the route.
  void Clear();
  // Plans from the agent to the entity, across maps through a teleporter when it lies in
  // another; nothing when the entity has no position or map index.
  void PlanTo(Entity* target);
  // Plans from the agent to a point in its own map.
  void PlanToPoint(float x, float y, float z);
  // Plans the query's route in the AI's maps (PlanRoute), through the game's usable teleporters
  // or the ones given, and takes over what came of it: the route, `done`, the teleporter.
  void Plan(RouteQuery& q);
  void Plan(RouteQuery& q, const std::vector<TeleporterEnds>& teleporters);
  // One frame of following, then the route's debug lines when "AI_Show Paths" is on.
  void Update(float dt, int32_t mapIndex);
  // One frame of following the route in map `mapIndex`'s graph.
  void Step(float dt, int32_t mapIndex);
  // One frame of homing straight onto an entity, without a route.
  void SteerTo(Entity* target, float dt, int32_t mapIndex);
  // Stops trying: clears the leg's clocks and the agent's actions.
  void GiveUp();

  AIRoute* GetRoute() const { return route_.get(); }
  // Takes over a route made elsewhere (a patrol path).
  void SetRoute(std::unique_ptr<AIRoute> newRoute) { route_ = std::move(newRoute); }

  uint8_t done = 0;
  // Position in the route's node ids of the node last reached.
  int32_t currentIndex = 0;
  // Unsticking jumps made on the current leg.
  int32_t nudgeCount = 0;
  // The route ends at a teleporter to go through: `teleporter`, which the planner chose towards
  // the goal's map, or one the agent's errand picked.
  uint8_t viaTeleporter = 0;
  EntityHandle teleporter;
  // Distance to move this frame.
  float step = 0.0f;
  platform::Vector3 lastCheckpoint;
  float checkpointTimer = 0.0f;
  // Time since the last node was reached.
  float legTimer = 0.0f;
  // The facing a reset turns the agent to (a guard's post facing; zero for thieves).
  platform::Vector3 homeFacing;

 private:
  void PlanFromAgent(const platform::Vector3& goal, int32_t goalMapIndex);
  int32_t OwnMapIndex() const;
  // x and y of the agent, z NODE_HEIGHT above the floor below it.
  platform::Vector3 ReferencePoint() const;
  // The next node is reached: the leg's clocks restart, and an awake guard pauses and turns at
  // a patrol point that says so.
  void Arrive();

  std::unique_ptr<AIRoute> route_;
  Entity* owner_ = nullptr;
  PhysicalComp* physical_ = nullptr;
  PlayerPhysics* playerPhysics_ = nullptr;
  AIRouteAgent* agent_ = nullptr;
};
