// The agents' frame in the demo museum: AI::Update with 8, 32 and 64 agents (the six guards the
// maps' markers make, the rest computer thieves searching the lobby), each frame's physics step
// of the same world timed beside it as the reference; the physics step with ten agents beside
// the same round without them; and the rays the agents' sight, finders
// and fall checks cast per frame, with the time of one plain ray as their reference.
// Results: see Results.md beside this file.
#include <benchmark/benchmark.h>

#include <time.h>

#include <algorithm>
#include <cmath>

#include "ai/AI.h"
#include "engine/Engine.h"
#include "entity/EntityManager.h"
#include "entities/Guard.h"
#include "physics/Physics.h"
#include "tests/ai/AgentMuseum.h"
#include "tests/support/TempDir.h"

namespace {

// The thread's own CPU time: on a machine other jobs keep busy, wall time says more about them.
double CpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// A round of the demo museum with `agents` computer agents, played a few seconds in so that
// guards patrol and thieves search; the benchmark runs the AI and the physics itself.
struct AgentRound {
  TempDir scratch;
  platform::ManualClock clock;
  AgentMuseum museum{clock};
  AI* ai = nullptr;
  Physics* physics = nullptr;

  explicit AgentRound(int agents) {
    platform::SetClock(&clock);
    AIConfig settings = AgentMuseum::GuardSettings();
    settings.AvoidGuards = true;
    settings.ITEM_STEAL_RADIUS = 600;
    settings.TRIP_DISABLE_RADIUS = 500;
    AgentMuseum::MakeTree(settings);
    museum.StartEngine();
    museum.StartRound();
    ai = Engine::Get()->GetAI();
    physics = Engine::Get()->GetPhysics();
    const int thieves = agents - static_cast<int>(museum.Guards().size());
    for (int i = 0; i < thieves; ++i) {
      auto* thief = static_cast<MuseumThief*>(Engine::Get()->GetEntityManager()->Create(MuseumThief::kClassName));
      // Spread over the entrance hall.
      thief->physical.SetPositionCached({64.0f + float(i % 10) * 64.0f, -64.0f - float(i / 10) * 64.0f, 40});
      thief->ai.homePosition = thief->physical.GetPosition();
      // The user's size (the guard model's): made after the round's start, the thieves would
      // keep the default bounds, a box taller than the rooms, wedged between floor and ceiling.
      const BoundingData& size = museum.User()->bounds;
      thief->bounds.halfSizeX = size.halfSizeX;
      thief->bounds.halfSizeY = size.halfSizeY;
      thief->bounds.halfSizeZ = size.halfSizeZ;
      thief->bounds.radius = size.radius;
      thief->bounds.changed = 1;
    }
    museum.User()->physical.SetPositionCached({100, -1400, 40});
    ai->SetRunning(0);
    physics->SetRunning(0);
    for (int i = 0; i < 180; ++i) Frame();
  }
  ~AgentRound() {
    Engine::Get()->Shutdown();
    platform::SetClock(nullptr);
  }

  // One frame; the AI's and the physics' parts timed in CPU seconds.
  void Frame(double* aiSeconds = nullptr, double* physicsSeconds = nullptr) {
    clock.AdvanceSeconds(AgentMuseum::kFrame);
    const double start = CpuSeconds();
    ai->Update();
    const double thought = CpuSeconds();
    physics->Update();
    const double moved = CpuSeconds();
    Engine::Get()->RunFrame();
    museum.world->journal.clear();
    if (aiSeconds) *aiSeconds = thought - start;
    if (physicsSeconds) *physicsSeconds = moved - thought;
  }
};

void BM_AIUpdate(benchmark::State& state) {
  AgentRound round(static_cast<int>(state.range(0)));
  double physicsTotal = 0;
  int64_t frames = 0, rays = 0, worstRays = 0;
  for (auto _ : state) {
    double aiSeconds = 0, physicsSeconds = 0;
    const int64_t raysBefore = round.museum.world->rays;
    round.Frame(&aiSeconds, &physicsSeconds);
    const int64_t cast = round.museum.world->rays - raysBefore;
    state.SetIterationTime(aiSeconds);
    physicsTotal += physicsSeconds;
    rays += cast;
    worstRays = std::max(worstRays, cast);
    ++frames;
  }
  state.counters["agents"] = static_cast<double>(Engine::Get()->GetAI()->GetAgents().size() - 1);
  state.counters["physics_us"] = physicsTotal / static_cast<double>(frames) * 1e6;
  state.counters["rays_mean"] = static_cast<double>(rays) / static_cast<double>(frames);
  state.counters["rays_worst"] = static_cast<double>(worstRays);
}
BENCHMARK(BM_AIUpdate)->Arg(8)->Arg(32)->Arg(64)->UseManualTime()->Iterations(1200)->Unit(benchmark::kMicrosecond);

// The physics step alone, frame by frame, with ten computer agents in the round (Arg 10: the six
// guards and four thieves) and with none (Arg 0: the same round with every agent but the user's
// thief deleted before timing, the reference): the step's median and 99th percentile.
void BM_PhysicsStep(benchmark::State& state) {
  const bool agents = state.range(0) > 0;
  AgentRound round(agents ? static_cast<int>(state.range(0)) : 8);
  if (!agents) {
    EntityManager* entities = Engine::Get()->GetEntityManager();
    for (AIComponent* agent : Engine::Get()->GetAI()->GetAgents()) {
      if (agent->owner != round.museum.User()) entities->QueueDelete(agent->owner);
    }
    round.Frame();
  }
  std::vector<double> steps;
  steps.reserve(static_cast<size_t>(state.max_iterations));
  for (auto _ : state) {
    double physicsSeconds = 0;
    round.Frame(nullptr, &physicsSeconds);
    state.SetIterationTime(physicsSeconds);
    steps.push_back(physicsSeconds);
  }
  std::sort(steps.begin(), steps.end());
  state.counters["agents"] = static_cast<double>(Engine::Get()->GetAI()->GetAgents().size() - 1);
  state.counters["p50_us"] = steps[steps.size() / 2] * 1e6;
  state.counters["p99_us"] = steps[steps.size() * 99 / 100] * 1e6;
}
BENCHMARK(BM_PhysicsStep)->Arg(0)->Arg(10)->UseManualTime()->Iterations(1200)->Unit(benchmark::kMicrosecond);

// One ray across the entrance hall, as the agents cast theirs.
void BM_ReferenceRayCast(benchmark::State& state) {
  AgentRound round(8);
  RayHit hit;
  for (auto _ : state) {
    benchmark::DoNotOptimize(round.physics->RayCast(64, -256, 60, 1, 0.05f, 0, &hit));
  }
}
BENCHMARK(BM_ReferenceRayCast)->Unit(benchmark::kMicrosecond);

}  // namespace
