// The game logic's two costs: a game start of the demo museum (the first of a run loads the
// maps, a later one reuses them) as a ratio to reading the three maps alone, and the round's
// frame (clock and rules) with 4 thieves, 10 guards and 20 teleporters as a ratio to the same
// round's frame without them. Results are in Results.md beside this file.
#include <benchmark/benchmark.h>

#include <time.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/GameClasses.h"
#include "app/Systems.h"
#include "bench/support/IdleSystem.h"
#include "engine/Engine.h"
#include "entity/EntityClass.h"
#include "logic/Logic.h"
#include "map/BspMap.h"
#include "physics/MapIndexComp.h"
#include "physics/PhysicalComp.h"
#include "physics/Physics.h"
#include "platform/core/Clock.h"
#include "player/PlayerInfo.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;

namespace {

// A thief, guard or teleporter as the rules see it.
template <const char* Name>
class Placed : public EntityClass<Placed<Name>> {
 public:
  static constexpr const char* kClassName = Name;
  static void Describe(ClassBuilder<Placed>& c) {
    c.Component(&Placed::physical);
    c.Component(&Placed::mapIndex);
    c.Component(&Placed::info);
  }
  void OnCreate() override { LogicServices::Get()->RegisterEntity(Name, *this); }
  PhysicalComp physical;
  MapIndexComp mapIndex;
  PlayerInfo info;
};
constexpr char kThief[] = "Player";
constexpr char kGuard[] = "Guard";
constexpr char kTeleporter[] = "Teleporter";

// The i-th of a ring of entities `radius` units about the lobby's origin.
template <const char* Name>
void Place(int i, float radius) {
  auto* e = static_cast<Placed<Name>*>(Engine::Get()->GetEntityManager()->Create(Name));
  const float angle = static_cast<float>(i) * 0.7f;
  e->physical.SetPosition({radius * std::cos(angle), radius * std::sin(angle), 40});
}

// The real game logic and physics on the demo tree in a scratch folder; the other systems idle.
struct Museum {
  TempDir scratch;
  Museum() {
    fs::copy(fs::path(VR_DATA_DIR), ".", fs::copy_options::recursive);
    fs::copy(fs::path(VR_GENERATED_DIR), ".", fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    platform::SetClock(&clock);
    auto idle = [] { return static_cast<EngineSystem*>(new IdleSystem()); };
    Engine::Instance()->Init({idle, idle, idle, idle, [] { return static_cast<EngineSystem*>(new Physics()); },
                              [] {
                                return static_cast<EngineSystem*>(new Logic(*Engine::Instance(), RegisterGameClasses));
                              }});
    ConnectGameSystems(*Engine::Get());
    RegisterEntityClass<Placed<kThief>>("LogicLog");
    RegisterEntityClass<Placed<kGuard>>("LogicLog");
    RegisterEntityClass<Placed<kTeleporter>>("LogicLog");
  }
  ~Museum() {
    Engine::Get()->Shutdown();
    platform::SetClock(nullptr);
  }
  void Frame() {
    clock.AdvanceSeconds(1.0 / 60.0);
    Engine::Get()->RunFrame();
  }
  static Logic* GetLogic() { return Engine::Get()->GetLogic(); }

  platform::ManualClock clock;
};

void BM_ReferenceReadMaps(benchmark::State& state) {
  Museum museum;
  for (auto _ : state) {
    BspMap lobby, gallery, vault;
    lobby.Load("Maps/lobby.bsp");
    gallery.Load("Maps/gallery.bsp");
    vault.Load("Maps/vault.bsp");
  }
}
BENCHMARK(BM_ReferenceReadMaps)->Unit(benchmark::kMillisecond);

void BM_FirstGameStart(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    {
      Museum museum;
      state.ResumeTiming();
      Museum::GetLogic()->StartGame();
      state.PauseTiming();
      if (!Museum::GetLogic()->IsInGame()) state.SkipWithError("no game started");
    }
    state.ResumeTiming();
  }
}
BENCHMARK(BM_FirstGameStart)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_LaterGameStart(benchmark::State& state) {
  Museum museum;
  Museum::GetLogic()->StartGame();
  for (auto _ : state) {
    Museum::GetLogic()->StartGame();
    state.PauseTiming();
    museum.Frame();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_LaterGameStart)->Unit(benchmark::kMillisecond);

// The thread's own CPU time in microseconds: on a machine other jobs keep busy, wall time says
// more about them.
double CpuMicroseconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) * 1e-3;
}

// CPU microseconds per call of `work`, the median of batches (one call of an empty round's
// frame is too short to time alone).
template <class Work>
double MedianMicroseconds(Work work) {
  constexpr int kBatches = 21, kCalls = 500;
  std::vector<double> batches;
  for (int b = 0; b < kBatches; ++b) {
    const double start = CpuMicroseconds();
    for (int i = 0; i < kCalls; ++i) work();
    batches.push_back((CpuMicroseconds() - start) / kCalls);
  }
  std::nth_element(batches.begin(), batches.begin() + kBatches / 2, batches.end());
  return batches[kBatches / 2];
}

// Thieves walk the lobby among guards and teleporters; the clock runs. The reference is the
// same round's frame before they are placed (the game started, its fly-through over), timed
// in the same run: "reference_us" and the ratio "x_reference" of the medians.
void BM_RoundUpdate(benchmark::State& state) {
  Museum museum;
  Logic* logic = Museum::GetLogic();
  logic->StartGame();
  logic->EndMapFlyThrough();
  museum.Frame();
  const double reference = MedianMicroseconds([logic] { logic->Update(); });
  for (int i = 0; i < 4; ++i) Place<kThief>(i, 50);
  for (int i = 0; i < 10; ++i) Place<kGuard>(i, 200);
  for (int i = 0; i < 20; ++i) Place<kTeleporter>(i, 300);
  museum.Frame();
  for (auto _ : state) logic->Update();
  const double round = MedianMicroseconds([logic] { logic->Update(); });
  state.counters["reference_us"] = reference;
  state.counters["round_us"] = round;
  state.counters["x_reference"] = reference > 0 ? round / reference : 0.0;
}
BENCHMARK(BM_RoundUpdate)->Unit(benchmark::kMicrosecond);

}  // namespace
