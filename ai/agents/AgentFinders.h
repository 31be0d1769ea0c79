#pragma once
#include <functional>
#include <string>

#include "platform/math/Vector.h"

class AIComponent;
class AgentWorld;
class Entity;

// The searches an agent makes for something to go for. Each clears its target slot and fills it
// with what it found; nearest means the smallest squared distance, the first found winning a
// tie.
class AgentFinders {
 public:
  // Height above the agent's position from which it looks for things.
  static constexpr float kEyeHeight = 20.0f;

  AgentFinders(AIComponent& agent, AgentWorld& world) : agent_(agent), world_(world) {}

  // An armed trip laser, in any map.
  Entity* FindNearestActiveTripLaser();
  // An item in the agent's map that thieves may take and that the agent can see.
  Entity* FindVisibleItem();
  // A usable teleporter (not banned, with a target), in any map.
  Entity* FindNearestTeleporter();
  // A drop-off of the lobby (map 0): items score only there.
  Entity* FindDropoff();
  // A battery pickup in the agent's map.
  Entity* FindNearestBattery();
  // One occupied spawn of the agent's map that thieves may take from, chosen at random.
  bool PickRandomItemSpawn();

 private:
  platform::Vector3 Eye() const;
  bool InAgentMap(const Entity& entity) const;
  // The nearest of the class to `from` among those `accept` lets through.
  Entity* Nearest(const std::string& className, const platform::Vector3& from,
                  const std::function<bool(Entity&)>& accept) const;

  AIComponent& agent_;
  AgentWorld& world_;
};
