#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ai/AIActionSets.h"
#include "ai/AIConfig.h"
#include "ai/nav/AINode.h"
#include "ai/NavRays.h"
#include "ai/nav/AIPathSet.h"
#include "ai/nav/NavLog.h"
#include "ai/agents/AgentRoster.h"
#include "ai/agents/PatrolMarker.h"
#include "engine/EngineSystem.h"
#include "engine/SystemSlots.h"
#include "entity/EntityManager.h"
#include "input/DevSeams.h"
#include "platform/math/Vector.h"

class AIComponent;
class AIMapData;
class Engine;
struct NodeGraphSources;
class Entity;

// The system that runs the guards and the computer thieves: it owns the AI settings and action
// sets, the agents, one navigation record per loaded map and the level's AI landmarks. Each
// frame it updates every agent and twice a second bends their moves around obstacles.
class AI : public EngineSystem, public DevAI {
 public:
  // The obstacle steering step runs once this much frame time has summed up.
  static constexpr double kSteeringPeriod = 0.5;

  // The engine is the one the AI runs in: it outlives the AI.
  explicit AI(Engine& engine);
  ~AI() override;

  void RegisterTypes() override;
  void Init() override;
  // Writes each map's route database (with SavePaths) and drops the maps' navigation data.
  void Shutdown() override;
  void Update() override;
  std::string GetName() override { return "AI"; }
  void TakeSlot(SystemSlots& slots) override { slots.ai = this; }

  // Game start, in this order. Maps, their graphs and route databases are loaded once per
  // run: a later game start only empties the level's lists and the nodes the last game added.
  void ClearLevelLists();
  // Once per loaded map, in map order, while that map is current: reads or builds its graph
  // and reads its route database. A map already known keeps what it has.
  void OnMapLoad(const std::string& mapName, int32_t mapIndex);
  // Adds a node at each usable teleporter and at its target, linked into their maps' graphs.
  void LinkTeleporterNodes();
  // The guards from the patrol markers, then the computer thieves (the fewer of `thieves` and
  // MaxThieves), then every agent back at its start.
  void CreateAIPlayers(int32_t thieves);
  // The controlled player teleports to `position`: guards near it go home.
  void OnPlayerTeleport(const platform::Vector3& position);

  // Agents, in registration order: the order in which they are updated.
  void AddAgent(AIComponent* agent);
  void RemoveAgent(AIComponent* agent);
  const std::vector<AIComponent*>& GetAgents() const { return agents_; }

  // Level landmarks, entered by the AI map entities as they start.
  void AddSuperNode(const Entity& node) { superNodes_.emplace_back(&node); }
  void AddCoverSpot(const Entity& spot) { coverSpots_.emplace_back(&spot); }
  void AddPatrolPoint(const platform::Vector3& position) { patrolPoints_.push_back(position); }
  const std::vector<EntityHandle>& GetSuperNodes() const { return superNodes_; }
  const std::vector<EntityHandle>& GetCoverSpots() const { return coverSpots_; }
  const std::vector<platform::Vector3>& GetPatrolPoints() const { return patrolPoints_; }
  // The level's patrol markers and the guards' patrol paths.
  AIPathSet& GetPathSet() { return pathSet_; }

  // Maps by index, as the game start announced them.
  size_t GetMapCount() const { return maps_.size(); }
  // Null for an index of no loaded map.
  AIMapData* GetMapData(int32_t mapIndex) const;
  const std::vector<std::string>& GetMapNames() const { return mapNames_; }
  // The index of the first map of that name (exact), or the map count.
  int32_t GetMapIndex(const std::string& mapName) const;
  // The nearest node that is not deleted, in that map or in all maps (the earliest map and the
  // lowest id win ties); null when there is none.
  const AINode* FindNearestNodeInMap(const platform::Vector3& position, int32_t mapIndex) const;
  const AINode* FindNearestNode(const platform::Vector3& position) const;
  AINode* FindNearestNode(const platform::Vector3& position);

  // Copies the set of that name (any case); false, leaving `out` as it is, when there is none.
  bool FindActionSet(const std::string& name, AIActionSet& out) const { return actionSets_.Find(name, out); }
  AIActionSets& GetActionSets() { return actionSets_; }
  AIConfig& GetConfig() { return config_; }
  const AIConfig& GetConfig() const { return config_; }
  const std::vector<std::string>& GetMapBanList() const { return mapBanList_; }

  // The developer keys' view: the run, chase and node-editing switches, and the node edits
  // (which act on the map's own nodes; the game's teleporter and patrol nodes stay as they are).
  bool& RunSwitch() override { return config_.EnableAI; }
  bool& ChaseSwitch() override { return config_.ChaseThieves; }
  bool& NodeEditSwitch() override { return nodeEdit_; }
  void MarkNearestNode(const platform::Vector3& position, NodeMark mark) override;
  int32_t GetNodeMapCount() const override { return int32_t(maps_.size()); }
  void AddNodeAtPlayer(int32_t mapIndex) override;
  void RelinkNodeGraph(int32_t mapIndex) override;

  // The engine's clock, in seconds.
  double Now() const;
  // A line on "AI Log".
  void Log(const std::string& text, unsigned severity) const { log_(text, severity); }
  // The physics world as the maps' navigation sees it.
  const NavRays& GetRays() const { return rays_; }

  // The agents' view of this AI, current from construction on.
  AgentRoster& GetRoster() { return roster_; }
  const AgentRoster& GetRoster() const { return roster_; }

  // Bends the computer agents' moves towards the free side of what lies ahead.
  void SteerAroundObstacles();

 private:
  // True in frames in which nothing of the AI runs: a bust or time-up, the teleport
  // transition, a map fly-through.
  bool IsHeld() const;
  // The level's patrol points as guard set-up reads them.
  std::vector<PatrolMarker> PatrolMarkers() const;
  void Train();
  void TrainRoute(const platform::Vector3& start, const platform::Vector3& goal, int32_t mapIndex);
  NodeGraphSources GraphSources(int32_t mapIndex) const;
  // Teleporter nodes for every map, or (0 or more) for that map only.
  void LinkTeleporterNodes(int32_t onlyMap);
  // Routes read from the path files are checked once the graphs are complete (teleporter and
  // patrol nodes added): those naming nodes a graph lacks are dropped.
  void CheckLoadedRoutes();
  void DrawGraphs() const;

  Engine& engine_;
  std::vector<EntityHandle> superNodes_;
  // What the maps' navigation sees of the world and where its lines go; both outlive the maps.
  NavRays rays_;
  NavLog log_;
  std::vector<std::unique_ptr<AIMapData>> maps_;
  AIPathSet pathSet_;
  std::vector<AIComponent*> agents_;
  std::vector<std::string> mapNames_;
  std::vector<std::string> mapBanList_;
  std::vector<platform::Vector3> patrolPoints_;
  std::vector<EntityHandle> coverSpots_;
  AIConfig config_;
  bool nodeEdit_ = false;
  AIActionSets actionSets_;
  double steeringClock_ = 0.0;
  // Training plans the routes between cover spots once per run.
  bool trainCoverSpots_ = true;
  AgentRoster roster_{*this};
};
