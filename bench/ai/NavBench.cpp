// Route search per expanded node against a plain best-first search (a binary heap, tables made
// once), on lattice graphs of 1,000 to 50,000 nodes and on the demo museum's graphs;
// the stored-route match over 100,000 routes; the spacing test of graph building on a
// 4096 x 4096 floor against testing every node; reading a 10,000-node graph file against a
// plain tokenising pass. Each pair runs in the same process, so compare their ratio.
// Results: see NavResults.md beside this file.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <queue>
#include <random>

#include "ai/nav/AIMapData.h"
#include "ai/nav/FloorTriangle.h"
#include "ai/nav/NodeGraphBuilder.h"
#include "ai/nav/NodeGraphFile.h"
#include "ai/nav/RoutePlanner.h"
#include "ai/nav/RouteSearch.h"
#include "platform/core/Files.h"

namespace {

// A square lattice of about `count` nodes, NODE_SPACING x 2 apart, each linked to its eight
// neighbours, standing off the origin as map nodes do.
std::vector<AINode> Lattice(int count) {
  const int side = int(std::sqrt(double(count)));
  std::vector<AINode> nodes(size_t(side * side));
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      AINode& n = nodes[size_t(y * side + x)];
      n.id = y * side + x;
      n.position = {1000.0f + 64.0f * float(x), -1000.0f - 64.0f * float(y), 48.0f};
      for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
          const int nx = x + dx, ny = y + dy;
          if ((dx || dy) && nx >= 0 && ny >= 0 && nx < side && ny < side) n.neighbours.push_back(ny * side + nx);
        }
      }
    }
  }
  return nodes;
}

// Start and goal pairs a few dozen links apart, the same for every run.
std::vector<std::pair<int32_t, int32_t>> Pairs(const std::vector<AINode>& nodes) {
  std::mt19937 random(19);
  const int side = int(std::sqrt(double(nodes.size())));
  std::vector<std::pair<int32_t, int32_t>> pairs;
  for (int i = 0; i < 256; ++i) {
    const int x = int(random() % unsigned(side)), y = int(random() % unsigned(side));
    const int gx = std::clamp(x + int(random() % 41) - 20, 0, side - 1), gy = std::clamp(y + int(random() % 41) - 20, 0, side - 1);
    pairs.emplace_back(y * side + x, gy * side + gx);
  }
  return pairs;
}

// The reference: a textbook best-first search on the same graph with the same link costs: a
// binary heap (the standard library's) and tables made once, reset after each search through
// the list of nodes it touched; a super node's cost starts anew, as in the game's. It keeps no
// insertion order among equal costs and stops at the same open-set bound.
class PlainSearch {
 public:
  explicit PlainSearch(size_t nodeCount) : cost_(nodeCount, 0.0f), previous_(nodeCount, -1), state_(nodeCount, 0) {
    std::vector<Entry> storage;
    storage.reserve(nodeCount);
    open_ = Queue(std::greater<Entry>(), std::move(storage));
    touched_.reserve(nodeCount);
  }

  size_t Search(const std::vector<AINode>& nodes, int32_t from, int32_t to, std::vector<int32_t>& route) {
    for (int32_t n : touched_) state_[size_t(n)] = 0;
    touched_.clear();
    while (!open_.empty()) open_.pop();
    route.clear();
    Open(from, 0.0f, from);
    size_t expanded = 0;
    while (!open_.empty() && open_.size() <= RouteSearch::kMaxOpen) {
      const int32_t c = open_.top().second;
      open_.pop();
      ++expanded;
      if (c == to) {
        for (int32_t at = to; at != from; at = previous_[size_t(at)]) route.push_back(at);
        route.push_back(from);
        return expanded;
      }
      state_[size_t(c)] = kClosed;
      for (int32_t k : nodes[size_t(c)].neighbours) {
        const float link = 0.001f * platform::Vec3Length(platform::Vec3Cross(nodes[size_t(k)].position, nodes[size_t(c)].position));
        const float g = nodes[size_t(k)].isSuperNode ? link : cost_[size_t(c)] + link;
        if (state_[size_t(k)] == kOpen || (state_[size_t(k)] == kClosed && !(g < cost_[size_t(k)]))) continue;
        Open(k, g, state_[size_t(k)] == kClosed ? previous_[size_t(k)] : c);
      }
    }
    return expanded;
  }

 private:
  using Entry = std::pair<float, int32_t>;
  using Queue = std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>>;
  static constexpr uint8_t kOpen = 1, kClosed = 2;

  void Open(int32_t node, float cost, int32_t previous) {
    if (state_[size_t(node)] == 0) touched_.push_back(node);
    state_[size_t(node)] = kOpen;
    cost_[size_t(node)] = cost;
    previous_[size_t(node)] = previous;
    open_.emplace(cost, node);
  }

  std::vector<float> cost_;
  std::vector<int32_t> previous_;
  std::vector<uint8_t> state_;
  std::vector<int32_t> touched_;
  Queue open_;
};

// Random pairs of a graph's nodes, the same for every run.
std::vector<std::pair<int32_t, int32_t>> GraphPairs(const std::vector<AINode>& nodes) {
  std::mt19937 random(19);
  std::vector<std::pair<int32_t, int32_t>> pairs;
  for (int i = 0; i < 256; ++i) pairs.emplace_back(int32_t(random() % nodes.size()), int32_t(random() % nodes.size()));
  return pairs;
}

double Seconds(std::chrono::steady_clock::time_point begin) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
}

// One search's plans: their times, the nodes they expanded and how they ended.
struct Plans {
  explicit Plans(benchmark::IterationCount count) { seconds.reserve(size_t(std::min<benchmark::IterationCount>(count, 1000000))); }
  void Report(benchmark::State& state, const std::string& prefix) {
    std::sort(seconds.begin(), seconds.end());
    double total = 0;
    for (double s : seconds) total += s;
    state.counters[prefix + "ns_per_expanded"] = expanded ? total * 1e9 / double(expanded) : 0.0;
    state.counters[prefix + "p50_us"] = seconds.empty() ? 0.0 : seconds[seconds.size() / 2] * 1e6;
    state.counters[prefix + "p99_us"] = seconds.empty() ? 0.0 : seconds[seconds.size() * 99 / 100] * 1e6;
  }
  std::vector<double> seconds;
  size_t expanded = 0;
};

// Plans between fixed pairs of nodes by the game's search, each followed (outside the timing)
// by the same plan through the reference; both report their time per expanded node and per
// plan, x_plain is the ratio of the times per expanded node, and the game's failures are
// counted by the bound that ended them (none reached: "no_route").
void RunPlans(benchmark::State& state, const std::vector<AINode>& nodes,
              const std::vector<std::pair<int32_t, int32_t>>& pairs) {
  RouteSearch search;
  const LinkTable links(nodes);
  PlainSearch plain(nodes.size());
  std::vector<int32_t> route, plainRoute;
  Plans ours(state.max_iterations), reference(state.max_iterations);
  std::map<RouteSearch::Result, int> ends;
  size_t i = 0;
  for (auto _ : state) {
    const auto& [from, to] = pairs[i++ % pairs.size()];
    auto begin = std::chrono::steady_clock::now();
    const RouteSearch::Result result = search.Search(links, from, to, route);
    ours.seconds.push_back(Seconds(begin));
    ours.expanded += search.Expanded();
    ++ends[result];
    state.PauseTiming();
    begin = std::chrono::steady_clock::now();
    reference.expanded += plain.Search(nodes, from, to, plainRoute);
    reference.seconds.push_back(Seconds(begin));
    state.ResumeTiming();
    benchmark::DoNotOptimize(route.data());
  }
  ours.Report(state, "");
  reference.Report(state, "plain_");
  state.counters["x_plain"] = state.counters["ns_per_expanded"] / state.counters["plain_ns_per_expanded"];
  state.counters["expanded_per_plan"] = double(ours.expanded) / double(std::max<size_t>(1, ours.seconds.size()));
  state.counters["open_set_full"] = ends[RouteSearch::Result::OpenSetFull];
  state.counters["route_too_long"] = ends[RouteSearch::Result::RouteTooLong];
  state.counters["no_route"] = ends[RouteSearch::Result::NoRoute];
}

void BM_RouteSearch(benchmark::State& state) {
  const std::vector<AINode> nodes = Lattice(int(state.range(0)));
  RunPlans(state, nodes, Pairs(nodes));
}
BENCHMARK(BM_RouteSearch)->Arg(1000)->Arg(10000)->Arg(50000);

// The demo museum's graphs as built into the generated tree (0 lobby, 1 gallery, 2 vault).
void BM_RouteSearchDemoGraph(benchmark::State& state) {
  static const char* const kNames[] = {"lobby", "gallery", "vault"};
  const std::string path = std::string(VR_GENERATED_DIR) + "/Maps/" + kNames[state.range(0)] + ".ngd";
  const std::optional<std::vector<uint8_t>> file = platform::ReadFileBytes(path);
  if (!file) return state.SkipWithError(("no " + path).c_str());
  const NodeGraphParse graph = ParseNodeGraph(std::string_view(reinterpret_cast<const char*>(file->data()), file->size()), 0);
  if (graph.nodes.empty()) return state.SkipWithError(graph.error.c_str());
  RunPlans(state, graph.nodes, GraphPairs(graph.nodes));
  state.counters["nodes"] = double(graph.nodes.size());
}
BENCHMARK(BM_RouteSearchDemoGraph)->DenseRange(0, 2);

// 100,000 stored routes over a 10,000-node lattice, a few of them near the asked ends.
void BM_StoredRouteMatch(benchmark::State& state) {
  AIMapData map("bench.bsp", 0);
  map.nodes = Lattice(10000);
  std::mt19937 random(19);
  for (int i = 0; i < 100000; ++i) {
    AIRoute route;
    route.nodeIds = {int32_t(random() % 10000), int32_t(random() % 10000), int32_t(random() % 10000)};
    map.paths.database.push_back(route);
  }
  const platform::Vector3 start = map.nodes[5050].position, goal = map.nodes[7070].position;
  size_t found = 0;
  for (auto _ : state) found += StoredRoutesBetween(map, start, goal).size();
  benchmark::DoNotOptimize(found);
}
BENCHMARK(BM_StoredRouteMatch)->Unit(benchmark::kMicrosecond);

// The reference walk: every stored route's two ends looked at, nothing compared.
void BM_StoredRouteWalk(benchmark::State& state) {
  std::vector<AIRoute> routes(100000);
  std::mt19937 random(19);
  for (AIRoute& r : routes) r.nodeIds = {int32_t(random() % 10000), int32_t(random() % 10000), int32_t(random() % 10000)};
  int64_t sum = 0;
  for (auto _ : state) {
    for (const AIRoute& r : routes) sum += r.nodeIds.front() + r.nodeIds.back();
  }
  benchmark::DoNotOptimize(sum);
}
BENCHMARK(BM_StoredRouteWalk)->Unit(benchmark::kMicrosecond);

// Graph building's lattice over a 4096 x 4096 floor (no physics: the spacing test alone).
void BM_BuildFloor(benchmark::State& state) {
  size_t nodes = 0;
  for (auto _ : state) {
    AIMapData map("bench.bsp", 0);
    NodeGraphBuilder builder(map);
    builder.SampleTriangle(FloorTriangle({0, 0, 0}, {4096, 0, 0}, {4096, 4096, 0}), {});
    builder.SampleTriangle(FloorTriangle({0, 0, 0}, {4096, 4096, 0}, {0, 4096, 0}), {});
    nodes = map.nodes.size();
  }
  state.counters["nodes"] = double(nodes);
}
BENCHMARK(BM_BuildFloor)->Unit(benchmark::kMillisecond);

// The reference: every lattice point tested against every node made before it.
void BM_BuildFloorEveryNode(benchmark::State& state) {
  size_t count = 0;
  for (auto _ : state) {
    std::vector<platform::Vector3> nodes;
    for (const FloorTriangle& t : {FloorTriangle({0, 0, 0}, {4096, 0, 0}, {4096, 4096, 0}),
                                   FloorTriangle({0, 0, 0}, {4096, 4096, 0}, {0, 4096, 0})}) {
      for (float y = 0; y <= 4096; y += NODE_SPACING) {
        for (float x = 0; x <= 4096; x += NODE_SPACING) {
          const platform::Vector3 p{x, y, 48};
          if (!t.Contains(p)) continue;
          const bool near = std::any_of(nodes.begin(), nodes.end(), [&p](const platform::Vector3& n) {
            return platform::Vec3LengthSq(n - p) < NodeGraphBuilder::kNodeGap * NodeGraphBuilder::kNodeGap;
          });
          if (!near) nodes.push_back(p);
        }
      }
    }
    count = nodes.size();
  }
  state.counters["nodes"] = double(count);
}
BENCHMARK(BM_BuildFloorEveryNode)->Unit(benchmark::kMillisecond);

void BM_ReadGraph(benchmark::State& state) {
  const std::vector<AINode> nodes = Lattice(10000);
  const std::string text = NodeGraphText(nodes, 0, nodes.size());
  for (auto _ : state) benchmark::DoNotOptimize(ParseNodeGraph(text, 0).nodes.size());
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()));
}
BENCHMARK(BM_ReadGraph)->Unit(benchmark::kMillisecond);

// The reference: the same text through strtod, number by number, keeping nothing.
void BM_ReadGraphTokens(benchmark::State& state) {
  const std::vector<AINode> nodes = Lattice(10000);
  const std::string text = NodeGraphText(nodes, 0, nodes.size());
  for (auto _ : state) {
    double sum = 0;
    const char* at = text.c_str();
    char* end = nullptr;
    for (double v = std::strtod(at, &end); end != at; v = std::strtod(at, &end)) {
      sum += v;
      at = end;
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()));
}
BENCHMARK(BM_ReadGraphTokens)->Unit(benchmark::kMillisecond);

}  // namespace
