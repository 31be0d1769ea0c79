#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "entity/EntityManager.h"
#include "platform/math/Vector.h"

class AI;
class AIComponent;
class AgentRoute;
class AgentWorld;
class Entity;
struct AIActionSet;
struct AIConfig;

// The agents' view of the AI that runs them: its agents, action sets, settings, maps and cover
// spots, plus the game around them (handed in by the program) and the route followers. The AI
// owns one and makes it current; agents register through the current one when their owners set
// up, and the reactions that concern every agent (alarms, forgotten targets) live here.
class AgentRoster {
 public:
  using RouteFactory = std::function<std::unique_ptr<AgentRoute>(AIComponent&)>;

  // The current roster, or null when no AI runs.
  static AgentRoster* Get();
  static void Set(AgentRoster* roster);

  explicit AgentRoster(AI& ai) : ai_(ai) {}
  ~AgentRoster();
  AgentRoster(const AgentRoster&) = delete;
  AgentRoster& operator=(const AgentRoster&) = delete;

  void Add(AIComponent& agent);
  void Remove(AIComponent& agent);
  const std::vector<AIComponent*>& GetAgents() const;
  const AIConfig& Config() const;
  const std::vector<EntityHandle>& GetCoverSpots() const;
  // "" for an index of no loaded map.
  std::string GetMapName(int32_t mapIndex) const;

  // The engine's clock, in seconds.
  double Now() const;

  // Copies the set of that name (any letter case) into `out`, stamped with the timer time. A
  // name the action file lacks leaves `out` alone, returns false and is logged once on "AI Log".
  bool FindActionSet(const std::string& name, AIActionSet& out);

  // The difficulty of the game kept to 1 .. 3: the settings file may hold anything.
  int32_t GetDifficulty() const;
  // Null while the program has handed in no game.
  AgentWorld* GetWorld() const { return world_; }
  void SetWorld(AgentWorld* world) { world_ = world; }
  // Tests walk their agents without the navigation.
  void SetRouteFactory(RouteFactory factory) { routeFactory_ = std::move(factory); }
  std::unique_ptr<AgentRoute> MakeRoute(AIComponent& agent) const;

  // The computer thieves: the fewer of `wanted` and the settings' MaxThieves, in the outfits the
  // user's thief does not wear, each on the next player start, which becomes its home.
  void CreateThieves(int32_t wanted);
  // Every agent back to its start, nothing queued.
  void ResetAll();

  // Every agent, in registration order, once.
  void UpdateAgents(float dt);
  // The nearest agent to the point that is no thief, is in the thief's map (any map without a
  // thief) and is not chasing starts "investigate" aimed at the thief. Only one answers.
  void SendGuardToAlarm(const platform::Vector3& point, Entity* thief);
  // The user's thief is about to arrive at `target`: guards closer than 1200 units to it go
  // home, every guard falls silent, and the sleepers of the map the thief leaves snore again.
  void OnPlayerTeleport(const platform::Vector3& target);
  // Ends every agent's current action aimed at the entity, and those after it aimed there too.
  void ForgetTarget(const Entity& target);

 private:
  AI& ai_;
  std::set<std::string> reportedMissing_;
  AgentWorld* world_ = nullptr;
  RouteFactory routeFactory_;
};
