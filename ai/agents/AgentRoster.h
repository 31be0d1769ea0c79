#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "ai/agents/AIActionSet.h"
#include "ai/agents/AgentSettings.h"
#include "entity/EntityManager.h"
#include "platform/math/Vector.h"

class AIComponent;
class AgentRoute;
class AgentWorld;
class Entity;

// The agents of the running game and what they share: the named action sets, the settings,
// the museum's map names and cover spots, the game around them and the navigation that makes
// their route followers. The AI system owns one and makes it current; the agents register with
// the current one when their owners set up.
class AgentRoster {
 public:
  using RouteFactory = std::function<std::unique_ptr<AgentRoute>(AIComponent&)>;

  // The current roster, or null when no AI runs.
  static AgentRoster* Get();
  static void Set(AgentRoster* roster);

  AgentRoster() = default;
  ~AgentRoster();
  AgentRoster(const AgentRoster&) = delete;
  AgentRoster& operator=(const AgentRoster&) = delete;

  void Add(AIComponent& agent);
  // Keeps the order of the rest; nothing when absent.
  void Remove(AIComponent& agent);
  const std::vector<AIComponent*>& GetAgents() const { return agents_; }
  void ClearAgents() { agents_.clear(); }

  // The table of named sets, lower-cased as it is taken.
  void SetActionSets(std::vector<AIActionSet> sets);
  // Copies the first set of that name (any letter case) into `out`, stamped with the timer time.
  // A name the table lacks leaves `out` alone, returns false and is logged once on "AI Log".
  bool FindActionSet(const std::string& name, AIActionSet& out);

  // The difficulty of the game kept to 1 .. 3: the settings file may hold anything.
  int32_t GetDifficulty() const;
  // Null while the program has handed in no game.
  AgentWorld* GetWorld() const { return world_; }
  void SetWorld(AgentWorld* world) { world_ = world; }
  void SetRouteFactory(RouteFactory factory) { routeFactory_ = std::move(factory); }
  // A follower for the agent from the navigation, or one that never moves without it.
  std::unique_ptr<AgentRoute> MakeRoute(AIComponent& agent) const;
  // "" for an index of no loaded map.
  std::string GetMapName(int32_t mapIndex) const;

  // Every agent, in registration order, once.
  void UpdateAgents(float dt);
  // The nearest agent to the point that is no thief, is in the thief's map (any map without a
  // thief) and is not chasing starts "investigate" aimed at the thief. Only one answers.
  void SendGuardToAlarm(const platform::Vector3& point, Entity* thief);
  // Ends every agent's current action aimed at the entity.
  void ForgetTarget(const Entity& target);

  AgentSettings settings;
  std::vector<std::string> mapNames;
  std::vector<EntityHandle> coverSpots;

 private:
  std::vector<AIComponent*> agents_;
  std::vector<AIActionSet> actionSets_;
  std::set<std::string> reportedMissing_;
  AgentWorld* world_ = nullptr;
  RouteFactory routeFactory_;
};
