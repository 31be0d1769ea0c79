#include "ai/AI.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "ai/AIComponent.h"
#include "ai/AIListControlEntity.h"
#include "ai/nav/AIMapData.h"
#include "ai/AIMarkers.h"
#include "ai/AIRouteRequest.h"
#include "ai/GuardPatrolPath.h"
#include "ai/GuardSize.h"
#include "ai/NavDrawing.h"
#include "ai/UsableTeleporters.h"
#include "ai/nav/PathFile.h"
#include "ai/agents/AgentWorld.h"
#include "ai/agents/GuardSetup.h"
#include "engine/Engine.h"
#include "engine/VariableTable.h"
#include "graphics/Graphics.h"
#include "map/BspMap.h"
#include "map/MapEntityClasses.h"
#include "map/StringList.h"
#include "physics/MapIndexComp.h"
#include "physics/PhysicalComp.h"
#include "physics/PlayerPhysics.h"
#include "platform/core/Random.h"

namespace {

constexpr const char* kMapBanListPath = "Data/AIMapBanList.xml";
constexpr unsigned kRandomSeed = 777;

platform::Vector3 PositionOf(const Entity& e) {
  const PhysicalComp* physical = const_cast<Entity&>(e).Find<PhysicalComp>();
  return physical ? physical->GetPosition() : platform::Vector3();
}

}  // namespace

AI::AI(Engine& engine)
    : engine_(engine),
      rays_(engine),
      log_([&engine](const std::string& text, unsigned severity) { engine.GetLog()->Write(kAILog, text, severity); }) {
  AgentRoster::Set(&roster_);
}
AI::~AI() = default;

// The thief path markers stay unregistered: nothing walks them, so a map's "ThiefPath" makes no
// entity (the entity manager says so) and the thief-path list stays empty.
void AI::RegisterTypes() {
  RegisterMapEntityClass<SuperNode>(kAILog);
  RegisterMapEntityClass<CoverSpot>(kAILog);
  RegisterMapEntityClass<GuardPatrolPoint>(kAILog);
  RegisterMapEntityClass<GuardPatrolPath>(kAILog);
  RegisterEntityClass<AIListControlEntity>(kAILog);
}

void AI::Init() {
  // The game's random choices repeat from run to run as long as they come in the same order.
  platform::SeedRandom(kRandomSeed);
  LoadAIConfig(config_, kAIConfigPath);
  actionSets_.Load(kActionConfigPath);
  nodeEdit_ = false;
  LoadStringListXml(mapBanList_, kMapBanListPath, kAILog);
  actionSets_.LowerCaseNames();
  BindBoolVariable("AI_NodeGraph", &config_.NodeGraphDraw);
  BindBoolVariable("AI_Show Paths", &config_.NodePathDraw);
  BindBoolVariable("AI_Train", &config_.Train);
  BindBoolVariable("AI_Run", &config_.EnableAI);
  BindBoolVariable("AI_Hide", &config_.AvoidGuards);
  BindBoolVariable("AI_Chase", &config_.ChaseThieves);
  // Made outside any game, the listener serves every game of the run.
  Entity* listener = engine_.GetEntityManager()->Create(AIListControlEntity::kClassName);
  if (auto* ear = dynamic_cast<AIListControlEntity*>(listener)) ear->roster = &roster_;
}

void AI::Shutdown() {
  for (const auto& map : maps_) {
    if (config_.SavePaths) map->paths.Save(map->MapName(), map->MapIndex(), map->nodes.size(), log_);
  }
  maps_.clear();
}

void AI::Update() {
  if (IsHeld()) return;
  if (config_.Train && !maps_.empty()) Train();
  if (config_.NodeGraphDraw) DrawGraphs();
  const double dt = engine_.GetTimer()->GetDelta();
  roster_.UpdateAgents(static_cast<float>(dt));
  steeringClock_ += dt;
  if (steeringClock_ >= kSteeringPeriod) {
    SteerAroundObstacles();
    steeringClock_ = 0.0;
  }
}

bool AI::IsHeld() const {
  if (const AgentWorld* world = roster_.GetWorld(); world && world->IsPlayHeld()) return true;
  const Graphics* graphics = engine_.GetGraphics();
  return graphics && graphics->IsTransitionRunning();
}

void AI::Train() {
  // Cover spots lie in every map; their routes are planned in map 0's graph, once per run.
  if (trainCoverSpots_) {
    trainCoverSpots_ = false;
    for (const EntityHandle& from : coverSpots_) {
      for (const EntityHandle& to : coverSpots_) {
        const Entity* a = from.Get();
        const Entity* b = to.Get();
        if (from.Id() == to.Id() || !a || !b) continue;
        TrainRoute(PositionOf(*a), PositionOf(*b), 0);
      }
    }
  }
  constexpr int kRandomRoutesPerMap = 30;
  for (const auto& map : maps_) {
    if (map->nodes.empty()) continue;
    for (int i = 0; i < kRandomRoutesPerMap; ++i) {
      const platform::Vector3 start = *map->RandomNodePosition();
      const platform::Vector3 goal = *map->RandomNodePosition();
      TrainRoute(start, goal, map->MapIndex());
    }
  }
}

void AI::TrainRoute(const platform::Vector3& start, const platform::Vector3& goal, int32_t mapIndex) {
  AIRouteRequest request;
  RouteQuery q;
  q.start = start;
  q.goal = goal;
  q.mapIndex = mapIndex;
  q.goalMapIndex = mapIndex;
  request.Plan(q);
  if (const AIRoute* route = request.GetRoute()) DrawRoute(*route);
}

void AI::DrawGraphs() const {
  for (const auto& map : maps_) DrawGraph(*map);
}

void AI::ClearLevelLists() {
  agents_.clear();
  coverSpots_.clear();
  patrolPoints_.clear();
  superNodes_.clear();
  pathSet_.guardPatrolMarkers.clear();
  pathSet_.thiefPathMarkers.clear();
  pathSet_.patrolPaths.clear();
  for (auto& map : maps_) map->DropGameNodes();
}

void AI::OnMapLoad(const std::string& mapName, int32_t mapIndex) {
  // Maps stay loaded from one game to the next: their graphs and routes are kept.
  if (mapIndex < 0 || size_t(mapIndex) < maps_.size()) return;
  mapNames_.push_back(mapName);
  const BspMap* current = engine_.GetCurrentMap();
  maps_.push_back(std::make_unique<AIMapData>(mapName, mapIndex, current ? &current->Data() : nullptr, rays_, log_));
  AIMapData& map = *maps_.back();
  map.LoadNodeGraph([this, mapIndex] { return GraphSources(mapIndex); });
  map.paths.Load(mapName, mapIndex, log_);
}

NodeGraphSources AI::GraphSources(int32_t mapIndex) const {
  NodeGraphSources sources;
  if (const BspMap* current = engine_.GetCurrentMap()) sources.geometry = &current->Data();
  // Only this map's landmarks: the maps lie side by side in one world, and a node of another
  // map would stand in this graph as an island.
  auto inThisMap = [mapIndex](const Entity& e) {
    const MapIndexComp* index = const_cast<Entity&>(e).Find<MapIndexComp>();
    return index && int32_t(index->mapIndex) == mapIndex;
  };
  for (const EntityHandle& handle : superNodes_) {
    if (const Entity* e = handle.Get(); e && inThisMap(*e)) sources.superNodes.push_back(PositionOf(*e));
  }
  for (const EntityHandle& handle : coverSpots_) {
    if (const Entity* e = handle.Get(); e && inThisMap(*e)) sources.coverSpots.push_back(PositionOf(*e));
  }
  sources.guardSize = GuardModelSize();
  return sources;
}

void AI::LinkTeleporterNodes() { LinkTeleporterNodes(-1); }

void AI::LinkTeleporterNodes(int32_t onlyMap) {
  constexpr int kTeleporterLinks = 8;
  auto addNode = [this, onlyMap](const platform::Vector3& position, int32_t mapIndex) {
    AIMapData* map = GetMapData(mapIndex);
    if (!map || (onlyMap >= 0 && mapIndex != onlyMap)) return;
    AINode& node = map->AddNode(position);
    node.teleporter = 1;
    map->LinkNode(node.id, kTeleporterLinks, true);
  };
  const AgentWorld* world = roster_.GetWorld();
  if (!world) return;
  for (const TeleporterEnds& t : UsableTeleporters(*world)) {
    addNode(t.position, t.mapIndex);
    addNode(t.targetPosition, t.targetMapIndex);
  }
}

void AI::CheckLoadedRoutes() {
  for (const auto& map : maps_) {
    if (const size_t dropped = map->paths.DropUnfitRoutes(map->nodes.size())) {
      log_(PathFileName(map->MapName()) + ": " + std::to_string(dropped) +
               " routes dropped: they name nodes the graph does not have", 2);
    }
  }
}

void AI::CreateAIPlayers(int32_t thieves) {
  // The agents are reset before the guards are set up, not after: the reset empties the current
  // set, which would take a "dead" guard's "sleep" (it is never updated, so never gets it back).
  // The new agents start with nothing to reset.
  roster_.ResetAll();
  if (AgentWorld* world = roster_.GetWorld()) {
    std::vector<PatrolMarker> markers = PatrolMarkers();
    GuardSetup(*this, *world).Run(markers);
    // The markers that made no guard stay listed.
    pathSet_.guardPatrolMarkers.clear();
    for (const PatrolMarker& marker : markers) pathSet_.guardPatrolMarkers.push_back(marker.source);
    roster_.CreateThieves(thieves);
  }
  CheckLoadedRoutes();
}

std::vector<PatrolMarker> AI::PatrolMarkers() const {
  std::vector<PatrolMarker> markers;
  for (const EntityHandle& handle : pathSet_.guardPatrolMarkers) {
    auto* point = dynamic_cast<GuardPatrolPath*>(handle.Get());
    if (!point) continue;
    markers.push_back({handle, point->physical.GetPosition(), point->mapIndex, point->PathNum, point->Id,
                       point->PauseDuration, point->Direction, point->Type});
  }
  return markers;
}

double AI::Now() const { return engine_.GetTimer()->GetTime(); }

void AI::OnPlayerTeleport(const platform::Vector3& position) { roster_.OnPlayerTeleport(position); }

void AI::AddAgent(AIComponent* agent) { agents_.push_back(agent); }

void AI::RemoveAgent(AIComponent* agent) {
  auto found = std::find(agents_.begin(), agents_.end(), agent);
  if (found != agents_.end()) agents_.erase(found);
}

void AI::AddNodeAtPlayer(int32_t mapIndex) {
  const AgentWorld* world = roster_.GetWorld();
  Entity* player = world ? world->GetControlledPlayer() : nullptr;
  const PhysicalComp* physical = player ? player->Find<PhysicalComp>() : nullptr;
  if (AIMapData* map = GetMapData(mapIndex); map && physical) map->AddNode(physical->GetPosition());
}

void AI::RelinkNodeGraph(int32_t mapIndex) {
  AIMapData* map = GetMapData(mapIndex);
  if (!map) return;
  // The map's own nodes and those the developer added stay (less the deleted); teleporter
  // nodes are made again below, and patrol nodes go back in after the graph, renumbered.
  std::vector<bool> patrol(map->nodes.size(), false);
  for (const AIRoute& path : pathSet_.patrolPaths) {
    if (path.mapIndex != mapIndex) continue;
    for (int32_t id : path.nodeIds) {
      if (map->ValidId(id) && size_t(id) >= map->ownNodeCount) patrol[size_t(id)] = true;
    }
  }
  std::vector<bool> keep(map->nodes.size());
  std::vector<std::pair<int32_t, platform::Vector3>> patrolNodes;
  for (size_t i = 0; i < map->nodes.size(); ++i) {
    const AINode& node = map->nodes[i];
    keep[i] = !node.deleted && !node.teleporter && !patrol[i];
    if (patrol[i]) patrolNodes.emplace_back(int32_t(i), node.position);
  }
  std::vector<int32_t> renumbered = map->Relink(keep, GraphSources(mapIndex).superNodes);
  constexpr int kPatrolLinks = 8;
  for (const auto& [old, position] : patrolNodes) {
    AINode& node = map->AppendNode(position);
    renumbered[size_t(old)] = node.id;
    map->LinkNode(node.id, kPatrolLinks, true);
  }
  for (AIRoute& path : pathSet_.patrolPaths) {
    if (path.mapIndex != mapIndex) continue;
    for (int32_t& id : path.nodeIds) id = id >= 0 && size_t(id) < renumbered.size() ? renumbered[size_t(id)] : -1;
    for (PathPoint& point : path.points) {
      if (point.nodeIndex >= 0 && size_t(point.nodeIndex) < renumbered.size()) point.nodeIndex = renumbered[size_t(point.nodeIndex)];
    }
  }
  LinkTeleporterNodes(mapIndex);
}

AIMapData* AI::GetMapData(int32_t mapIndex) const {
  if (mapIndex < 0 || size_t(mapIndex) >= maps_.size()) return nullptr;
  return maps_[size_t(mapIndex)].get();
}

int32_t AI::GetMapIndex(const std::string& mapName) const {
  auto found = std::find(mapNames_.begin(), mapNames_.end(), mapName);
  return int32_t(found - mapNames_.begin());
}

const AINode* AI::FindNearestNodeInMap(const platform::Vector3& position, int32_t mapIndex) const {
  const AIMapData* map = GetMapData(mapIndex);
  return map ? map->FindNearestNode(position) : nullptr;
}

AINode* AI::FindNearestNode(const platform::Vector3& position) {
  return const_cast<AINode*>(std::as_const(*this).FindNearestNode(position));
}

void AI::MarkNearestNode(const platform::Vector3& position, NodeMark mark) {
  AINode* node = FindNearestNode(position);
  if (!node || node->teleporter) return;
  (mark == NodeMark::kDeleted ? node->deleted : node->excluded) = 1;
}

const AINode* AI::FindNearestNode(const platform::Vector3& position) const {
  const AINode* best = nullptr;
  float bestDistance = std::numeric_limits<float>::max();
  for (const auto& map : maps_) {
    const AINode* node = map->FindNearestNode(position);
    if (!node) continue;
    const float distance = platform::Vec3LengthSq(node->position - position);
    if (distance < bestDistance) {
      best = node;
      bestDistance = distance;
    }
  }
  return best;
}


void AI::SteerAroundObstacles() {
  constexpr float kLookAhead = 250.0f;
  constexpr float kFeelerSpacing = 50.0f;
  constexpr float kTurn = 0.8f;
  // The first agent is the user's thief, which steers itself.
  for (size_t a = 1; a < agents_.size(); ++a) {
    Entity* owner = agents_[a]->owner;
    PhysicalComp* physical = owner ? owner->Find<PhysicalComp>() : nullptr;
    PlayerPhysics* controller = owner ? owner->Find<PlayerPhysics>() : nullptr;
    if (!physical || !controller) continue;
    platform::Vector3& move = controller->move;
    const float speed = platform::Vec3Length(move);
    // Route following stores the reverse of the way it walks.
    const platform::Vector3 heading = platform::Vec3Normalize({-physical->direction.x, -physical->direction.y, 0.0f});
    // An agent without a horizontal facing has no way ahead to feel: its move keeps its length.
    const bool feel = heading.x != 0.0f || heading.y != 0.0f;
    const platform::Vector3 position = physical->GetPosition();
    const platform::Vector3 ahead = position + heading * kLookAhead;
    const platform::Vector3 side{heading.y, -heading.x, 0.0f};
    int blocked = 0;
    int lowest = -1;
    for (int k = 0; feel && k < 3; ++k) {
      const platform::Vector3 origin = position + side * (float(k - 1) * kFeelerSpacing);
      const std::optional<float> hit = rays_.RayHitDistance(origin, ahead - origin);
      if (hit && *hit < kLookAhead) {
        ++blocked;
        if (lowest < 0) lowest = k;
      }
    }
    if (blocked == 3) continue;
    // Blocked on the -side or straight ahead: turn towards +side; blocked only on +side: away.
    if (blocked > 0) move += side * ((lowest == 2 ? -kTurn : kTurn) * speed);
    move = platform::Vec3Normalize(move) * speed;
  }
}
