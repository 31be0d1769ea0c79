#include "ai/nav/AIMapData.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <limits>
#include <map>

#include "ai/nav/NodeGraphFile.h"
#include "map/LightingForPosition.h"
#include "platform/core/Files.h"
#include "platform/core/Random.h"

namespace {

// Link candidates lie within this distance of the node and at most this much higher or lower.
constexpr float kLinkRange = 20.0f * NODE_SPACING;
constexpr float kMinLinkDistance = 1.0f;
constexpr float kMaxLinkRise = 10.0f;

// Trouble with a file is logged as such.
constexpr unsigned kFileTrouble = 2;


// A refused file is kept for whoever wants to see what was wrong with it.
void KeepRefusedFile(const std::string& path, const std::string& reason, const NavLog& log) {
  const std::string onDisk = platform::ResolvePath(path);
  std::error_code error;
  std::filesystem::rename(onDisk, onDisk + ".bad", error);
  LogLine(log, "The node graph " + path + " is refused (" + reason + "): kept as " + path + ".bad, the graph is built anew", kFileTrouble);
}

}  // namespace

AIMapData::AIMapData(std::string mapName, int32_t mapIndex, const BspData* geometry, const NavWorld& world, NavLog log)
    : mapName_(std::move(mapName)), mapIndex_(mapIndex), geometry_(geometry), world_(world), log_(std::move(log)) {}

float AIMapData::LightAt(const platform::Vector3& position) const {
  if (!geometry_) return 0.0f;
  const LightSet light = LightingForPosition(*geometry_, position);
  return light.ambient.x + light.ambient.y + light.ambient.z + light.directed.x + light.directed.y + light.directed.z;
}

AINode& AIMapData::AddNode(const platform::Vector3& position) {
  platform::Vector3 onFloor = world_.FloorBelow(position).value_or(position);
  onFloor.z += NODE_HEIGHT;
  return AppendNode(onFloor);
}

AINode& AIMapData::AppendNode(const platform::Vector3& position) {
  AINode node;
  node.position = position;
  node.light = LightAt(position);
  node.id = int32_t(nodes.size());
  node.mapIndex = int8_t(mapIndex_);
  nodes.push_back(std::move(node));
  GraphChanged();
  return nodes.back();
}

void AIMapData::LinkNode(int32_t i, int maxLinks, bool bothWays) {
  if (!ValidId(i) || nodes[size_t(i)].excluded) return;
  GraphChanged();
  const platform::Vector3 from = nodes[size_t(i)].position;
  // Nearest first; equal distances keep id order.
  std::multimap<float, int32_t> candidates;
  for (const AINode& c : nodes) {
    if (c.mapIndex != nodes[size_t(i)].mapIndex || c.excluded) continue;
    const float d = platform::Vec3Length(from - c.position);
    if (d < kMinLinkDistance || d > kLinkRange || std::fabs(from.z - c.position.z) > kMaxLinkRise) continue;
    // The candidate must see the node: something is hit along the way, but beyond it.
    const std::optional<float> hit = world_.RayHitDistance(c.position, from - c.position);
    if (!hit || *hit <= d) continue;
    candidates.emplace(d, c.id);
  }
  int added = 0;
  for (const auto& [d, id] : candidates) {
    if (added >= maxLinks) break;
    AINode& c = nodes[size_t(id)];
    // Links to super nodes are free: they relay routes cheaply and must not crowd out the
    // node's ordinary neighbours.
    if (nodes[size_t(i)].AddLink(id) && !c.isSuperNode) ++added;
    if (bothWays) c.AddLink(i);
  }
}

void AIMapData::LinkGraph(const std::vector<platform::Vector3>& superNodes) {
  GraphChanged();
  constexpr float kRelayLift = 40.0f;
  const platform::Vector3 lift{0.0f, 0.0f, kRelayLift};
  for (size_t i = 0; i < superNodes.size(); ++i) {
    for (size_t j = 0; j < superNodes.size(); ++j) {
      const AINode* a = FindNearestNode(superNodes[i]);
      const AINode* b = FindNearestNode(superNodes[j]);
      if (i == j || !a || !b) continue;
      const platform::Vector3 from = a->position + lift, to = b->position + lift;
      const std::optional<float> hit = world_.RayHitDistance(from, to - from);
      if (!hit || *hit <= platform::Vec3Length(to - from)) continue;
      const int32_t ia = a->id, ib = b->id;
      nodes[size_t(ia)].AddLink(ib);
      nodes[size_t(ib)].AddLink(ia);
    }
  }
  constexpr int kMaxLinks = 10;
  for (size_t i = 0; i < nodes.size(); ++i) {
    if (nodes[i].neighbours.size() < size_t(kMaxLinks)) LinkNode(int32_t(i), kMaxLinks, false);
  }
}

RouteSearch::Result AIMapData::SearchRoute(int32_t from, int32_t to, std::vector<int32_t>& route) {
  if (linksStale_) {
    links_.Build(nodes);
    linksStale_ = false;
  }
  return search_.Search(links_, from, to, route);
}

bool AIMapData::ValidRoute(const AIRoute& route) const {
  return std::all_of(route.nodeIds.begin(), route.nodeIds.end(), [this](int32_t id) { return ValidId(id); });
}

void AIMapData::MakeLinksSymmetric() {
  GraphChanged();
  for (AINode& a : nodes) {
    for (size_t k = 0; k < a.neighbours.size(); ++k) {
      const int32_t b = a.neighbours[k];
      if (ValidId(b)) nodes[size_t(b)].AddLink(a.id);
    }
  }
}

std::optional<platform::Vector3> AIMapData::RandomNodePosition() const {
  if (nodes.empty()) return std::nullopt;
  return nodes[size_t(platform::Random()) % nodes.size()].position;
}

const AINode* AIMapData::FindNearestNode(const platform::Vector3& position) const {
  const AINode* best = nullptr;
  float bestDistance = std::numeric_limits<float>::max();
  for (const AINode& node : nodes) {
    if (node.deleted) continue;
    const float distance = platform::Vec3LengthSq(node.position - position);
    if (distance < bestDistance) {
      best = &node;
      bestDistance = distance;
    }
  }
  return best;
}

bool AIMapData::LoadNodeGraph(const std::function<NodeGraphSources()>& sources) {
  const std::optional<std::string> path = NodeGraphFileName(mapName_);
  if (!path) LogLine(log_, "The map name \"" + mapName_ + "\" is too short to name a node-graph file: its graph is built on every load", kFileTrouble);
  const std::optional<std::vector<uint8_t>> bytes = path ? platform::ReadFileBytes(*path) : std::nullopt;
  if (bytes) {
    NodeGraphParse parse = ParseNodeGraph(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()), int8_t(mapIndex_));
    // An empty graph is never written, so an empty file beside a map with floor is damage; taken,
    // it would leave the map without nodes for good and drop its stored routes.
    if (parse.error.empty() && parse.nodes.empty() && geometry_ && !NodeGraphBuilder::FloorTriangles(*geometry_).empty()) {
      parse.error = "it holds no nodes, though the map has floor";
    }
    if (parse.error.empty()) {
      nodes = std::move(parse.nodes);
      GraphChanged();
      for (AINode& node : nodes) {
        if (std::optional<platform::Vector3> floor = world_.FloorBelow(node.position)) node.position.z = floor->z;
        node.position.z += NODE_HEIGHT;
        node.light = LightAt(node.position);
      }
      MakeLinksSymmetric();
      ownNodeCount = nodes.size();
      return true;
    }
    KeepRefusedFile(*path, parse.error, log_);
  }
  nodes.clear();
  GraphChanged();
  NodeGraphBuilder(*this).Build(sources());
  ownNodeCount = nodes.size();
  SaveNodeGraph();
  return false;
}

void AIMapData::SaveNodeGraph() const {
  const std::optional<std::string> path = NodeGraphFileName(mapName_);
  // An empty graph writes no file: it is built again on the next load.
  if (!path || ownNodeCount == 0) return;
  if (!platform::WriteFileAtomic(*path, NodeGraphText(nodes, 0, ownNodeCount))) {
    LogLine(log_, "Could not write the node graph " + *path + ": the file there stays as it was", kFileTrouble);
  }
}

std::vector<int32_t> AIMapData::Relink(const std::vector<bool>& keep, const std::vector<platform::Vector3>& superNodes) {
  std::vector<int32_t> renumbered(nodes.size(), -1);
  std::vector<AINode> kept;
  for (size_t i = 0; i < nodes.size(); ++i) {
    if (!keep[i]) continue;
    renumbered[i] = int32_t(kept.size());
    AINode node = std::move(nodes[i]);
    node.id = renumbered[i];
    node.neighbours.clear();
    kept.push_back(std::move(node));
  }
  nodes = std::move(kept);
  GraphChanged();
  LinkGraph(superNodes);
  ownNodeCount = nodes.size();
  paths.database.clear();
  SaveNodeGraph();
  return renumbered;
}

void AIMapData::DropGameNodes() {
  if (nodes.size() <= ownNodeCount) return;
  nodes.resize(ownNodeCount);
  GraphChanged();
  for (AINode& node : nodes) {
    std::erase_if(node.neighbours, [this](int32_t id) { return id < 0 || size_t(id) >= ownNodeCount; });
  }
}
