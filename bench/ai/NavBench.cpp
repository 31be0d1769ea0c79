// Route search per expanded node against a plain best-first search (an ordered multimap as the
// open set, per-search tables allocated each time), on lattice graphs of 1,000 to 50,000 nodes;
// the stored-route match over 100,000 routes; the spacing test of graph building on a
// 4096 x 4096 floor against testing every node; reading a 10,000-node graph file against a
// plain tokenising pass. Each pair runs in the same process, so compare their ratio.
// Results: see NavResults.md beside this file.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <map>
#include <random>

#include "ai/AIMapData.h"
#include "ai/FloorTriangle.h"
#include "ai/NodeGraphBuilder.h"
#include "ai/NodeGraphFile.h"
#include "ai/RoutePlanner.h"
#include "ai/RouteSearch.h"
#include "engine/Engine.h"

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

// The reference: the same search over a multimap, with its tables made per search.
size_t PlainSearch(const std::vector<AINode>& nodes, int32_t from, int32_t to, std::vector<int32_t>& route) {
  std::vector<float> cost(nodes.size(), 0.0f);
  std::vector<int32_t> previous(nodes.size(), -1);
  std::vector<uint8_t> state(nodes.size(), 0);  // 1 open, 2 closed
  std::multimap<float, int32_t> open{{0.0f, from}};
  state[size_t(from)] = 1;
  size_t expanded = 0;
  while (!open.empty() && open.size() <= RouteSearch::kMaxOpen) {
    const int32_t c = open.begin()->second;
    open.erase(open.begin());
    ++expanded;
    if (c == to) {
      route.clear();
      for (int32_t at = to; at != from; at = previous[size_t(at)]) route.push_back(at);
      route.push_back(from);
      return expanded;
    }
    state[size_t(c)] = 2;
    for (int32_t k : nodes[size_t(c)].neighbours) {
      const float g = cost[size_t(c)] + 0.001f * platform::Vec3Length(platform::Vec3Cross(nodes[size_t(k)].position, nodes[size_t(c)].position));
      if (state[size_t(k)] == 1 || (state[size_t(k)] == 2 && !(g < cost[size_t(k)]))) continue;
      if (state[size_t(k)] != 2) previous[size_t(k)] = c;
      cost[size_t(k)] = g;
      state[size_t(k)] = 1;
      open.emplace(g, k);
    }
  }
  return expanded;
}

void ReportPlans(benchmark::State& state, std::vector<double>& plans, size_t expanded, size_t failures) {
  std::sort(plans.begin(), plans.end());
  // CPU seconds per expanded node (the machine may be shared: wall time is not the measure).
  state.counters["per_expanded"] = benchmark::Counter(double(expanded), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  state.counters["expanded_per_plan"] = plans.empty() ? 0.0 : double(expanded) / double(plans.size());
  state.counters["p50_us"] = plans.empty() ? 0.0 : plans[plans.size() / 2] * 1e6;
  state.counters["p99_us"] = plans.empty() ? 0.0 : plans[plans.size() * 99 / 100] * 1e6;
  state.counters["failures"] = double(failures);
}

template <class Search>
void RunPlans(benchmark::State& state, Search&& search) {
  const std::vector<AINode> nodes = Lattice(int(state.range(0)));
  const auto pairs = Pairs(nodes);
  std::vector<int32_t> route;
  std::vector<double> plans;
  size_t expanded = 0, failures = 0, i = 0;
  for (auto _ : state) {
    const auto& [from, to] = pairs[i++ % pairs.size()];
    const auto begin = std::chrono::steady_clock::now();
    const auto [count, found] = search(nodes, from, to, route);
    const double took = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    plans.push_back(took);
    expanded += count;
    failures += found ? 0 : 1;
    benchmark::DoNotOptimize(route.data());
  }
  ReportPlans(state, plans, expanded, failures);
}

void BM_PlainSearch(benchmark::State& state) {
  RunPlans(state, [](const std::vector<AINode>& nodes, int32_t from, int32_t to, std::vector<int32_t>& route) {
    const size_t expanded = PlainSearch(nodes, from, to, route);
    return std::pair<size_t, bool>(expanded, !route.empty() && route.back() == from);
  });
}
BENCHMARK(BM_PlainSearch)->Arg(1000)->Arg(10000)->Arg(50000);

void BM_RouteSearch(benchmark::State& state) {
  RouteSearch search;
  RunPlans(state, [&search](const std::vector<AINode>& nodes, int32_t from, int32_t to, std::vector<int32_t>& route) {
    const bool found = search.Search(nodes, from, to, route) == RouteSearch::Result::Found;
    return std::pair<size_t, bool>(search.Expanded(), found);
  });
}
BENCHMARK(BM_RouteSearch)->Arg(1000)->Arg(10000)->Arg(50000);

// 100,000 stored routes over a 10,000-node lattice, a few of them near the asked ends.
void BM_StoredRouteMatch(benchmark::State& state) {
  Engine::Instance();
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
  Engine::Instance();
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
