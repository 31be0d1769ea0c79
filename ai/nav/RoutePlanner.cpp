#include "ai/nav/RoutePlanner.h"

#include <limits>

#include "ai/nav/AIMapData.h"
#include "platform/core/Random.h"

namespace {

// A stored route serves when its ends lie nearer than this to the planned ends' nodes.
constexpr float kMatchRadius = 4.0f * NODE_SPACING;
// Teleporters farther above the start than this are not taken.
constexpr float kMaxTeleporterRise = 250.0f;
// A teleporter this near the start is the one just come through.
constexpr float kMinTeleporterDistanceSq = 100.0f * 100.0f;
// Routes of fewer nodes are cheap to find again and are not stored.
constexpr size_t kMinStoredIds = 4;

void TakeTeleporter(RouteQuery& q, const TeleporterEnds& t) {
  q.goalMapIndex = q.mapIndex;
  q.goal = t.position;
  q.viaTeleporter = 1;
  q.teleporter = t.teleporter;
}

float WalkingLength(const AIRoute& route, const AIMapData& map) {
  float length = 0.0f;
  for (size_t i = 0; i + 1 < route.nodeIds.size(); ++i) {
    length += platform::Vec3Length(map.nodes[size_t(route.nodeIds[i + 1])].position - map.nodes[size_t(route.nodeIds[i])].position);
  }
  return length;
}

// The planned route takes over the map, name, length and ids of `from`.
void Adopt(AIRoute& planned, const AIRoute& from) {
  planned.mapIndex = from.mapIndex;
  planned.name = from.name;
  planned.length = from.length;
  planned.Append(from);
}

bool DatabaseMatch(RouteQuery& q, AIMapData& map) {
  const std::vector<AIRoute*> matches = StoredRoutesBetween(map, q.startNode->position, q.goalNode->position);
  for (AIRoute* stored : matches) ++stored->useCount;
  if (matches.empty()) return false;
  Adopt(*q.planned, *matches[size_t(platform::Random()) % matches.size()]);
  return true;
}

// Searches from the goal's node back to the start's, so that the route comes out from start to goal.
void SearchGraph(RouteQuery& q, AIMapData& map, const RouteSettings& settings) {
  const AINode* s = q.goalNode;
  const AINode* t = q.startNode;
  q.route.mapIndex = s->mapIndex;
  q.route.name = map.MapName();
  std::vector<int32_t> ids;
  if (map.SearchRoute(s->id, t->id, ids) != RouteSearch::Result::Found) {
    q.DropPlan();
    q.failed = 1;
    return;
  }
  q.failed = 0;
  q.route.nodeIds.assign(ids.rbegin(), ids.rend());
  if (settings.pull) q.route.Pull(settings.pullPasses, map);
  q.route.length = WalkingLength(q.route, map);
  if (settings.save && ids.size() >= kMinStoredIds && s->mapIndex == t->mapIndex) map.paths.AddPath(q.route);
}

void FindRoute(RouteQuery& q, AIMapData& map, const RouteSettings& settings) {
  if (settings.useDatabase && DatabaseMatch(q, map)) return;
  SearchGraph(q, map, settings);
  if (q.route.nodeIds.empty()) {
    ++q.failures;
    return;
  }
  if (!q.planned) q.planned = std::make_unique<AIRoute>();
  Adopt(*q.planned, q.route);
}

}  // namespace

std::vector<AIRoute*> StoredRoutesBetween(AIMapData& map, const platform::Vector3& start, const platform::Vector3& goal) {
  std::vector<AIRoute*> matches;
  for (AIRoute& stored : map.paths.database) {
    if (stored.nodeIds.empty() || !map.ValidId(stored.nodeIds.front()) || !map.ValidId(stored.nodeIds.back())) continue;
    const platform::Vector3& first = map.nodes[size_t(stored.nodeIds.front())].position;
    const platform::Vector3& last = map.nodes[size_t(stored.nodeIds.back())].position;
    if (platform::Vec3LengthSq(start - first) < kMatchRadius * kMatchRadius &&
        platform::Vec3LengthSq(goal - last) < kMatchRadius * kMatchRadius && map.ValidRoute(stored)) {
      matches.push_back(&stored);
    }
  }
  return matches;
}

void ChooseTeleporterLeg(RouteQuery& q, const std::vector<TeleporterEnds>& teleporters) {
  if (q.mapIndex == q.goalMapIndex) return;
  float best = std::numeric_limits<float>::max();
  std::vector<const TeleporterEnds*> candidates;
  for (const TeleporterEnds& t : teleporters) {
    if (t.position.z - q.start.z > kMaxTeleporterRise || t.mapIndex != q.mapIndex) continue;
    if (t.targetMapIndex == q.goalMapIndex) {
      TakeTeleporter(q, t);
      return;
    }
    const float d = platform::Vec3LengthSq(t.position - q.start);
    if (d < best && d > kMinTeleporterDistanceSq) {
      best = d;
      candidates.push_back(&t);
    }
  }
  if (!candidates.empty()) TakeTeleporter(q, *candidates[size_t(platform::Random()) % candidates.size()]);
}

void PlanRoute(RouteQuery& q, AIMapData* map, const RouteSettings& settings, const std::vector<TeleporterEnds>& teleporters) {
  q.DropPlan();
  q.planned = std::make_unique<AIRoute>();
  q.planned->mapIndex = q.mapIndex;
  if (!map) {
    q.done = 1;
    return;
  }
  ChooseTeleporterLeg(q, teleporters);
  q.startNode = map->FindNearestNode(q.start);
  q.goalNode = map->FindNearestNode(q.goal);
  if (!q.startNode || !q.goalNode || q.startNode == q.goalNode) {
    q.done = 1;
    return;
  }
  FindRoute(q, *map, settings);
  if (q.planned && q.planned->nodeIds.empty()) q.DropPlan();
}
