#pragma once
#include <cstdint>
#include <string>

#include "platform/math/Vector.h"

class Entity;

// A patrol point's stop: how long the guard stands there and which way it looks.
struct PatrolStop {
  float pause = 0;
  std::string direction;
};

// An agent's route follower as the agent drives it: plans to an entity or a point, walks the
// route a frame at a time, homes straight onto a chased entity, and takes up a guard's patrol.
// The navigation supplies the real one; an agent never holds none.
class AgentRoute {
 public:
  virtual ~AgentRoute() = default;

  // Drops the route and turns the agent to its home facing.
  virtual void Reset() = 0;
  // Plans a new route; without a way there the follower holds no route afterwards.
  virtual void PlanTo(Entity& target) = 0;
  virtual void PlanToPoint(const platform::Vector3& point) = 0;
  virtual bool HasPatrolPath(int32_t index) const = 0;
  // The route becomes a copy of the guards' patrol path at `index`; false, holding no route,
  // when there is no such path.
  virtual bool TakePatrolPath(int32_t index) = 0;
  // Node ids of the route held; 0 without one.
  virtual int32_t NodeCount() const = 0;
  virtual bool HasRoute() const = 0;
  // The route's first patrol point; false when the route has none.
  virtual bool FirstStop(PatrolStop& out) const = 0;
  // One frame along the route; sets `done` at its end or without one.
  virtual void Update(float dt, int32_t mapIndex) = 0;
  // One frame straight at the entity.
  virtual void SteerTo(Entity& target, float dt) = 0;

  uint8_t done = 0;
  // The route ends at a teleporter the thief is to go through: a route planned into another
  // map, or one an errand sent there. A reset or a new plan clears it.
  uint8_t teleportOnArrival = 0;
  // Unsticking jumps on the current leg.
  int32_t nudges = 0;
  // Where a reset turns the agent: a guard's post facing.
  platform::Vector3 homeFacing;
};
