// The level entities' share of a frame, each as a ratio to the plainest work of the same kind
// measured in the same run:
// - lighting: 200 models each given the light-grid light at its place and the guards' spot
//   lights near it (16 flashlights switched on), against the same 200 x 16 distance and
//   direction tests over a plain array; counter "allocations" (heap allocations per frame,
//   which must be 0 once the output has grown);
// - beams: 20 trip lasers' beam updates on the demo lobby, against the 20 bare ray casts of
//   the same beams.
// Results are in Results.md beside this file.
#include <benchmark/benchmark.h>

#include <optional>
#include <string>
#include <vector>

#include "bench/graphics/AllocationCounter.h"
#include "bench/support/IdleSystem.h"
#include "engine/Engine.h"
#include "entities/Flashlight.h"
#include "entities/TripLaser.h"
#include "entities/TripLaserTrigger.h"
#include "graphics/SpotLightList.h"
#include "map/BspReader.h"
#include "map/LightingForPosition.h"
#include "map/MapGeometry.h"
#include "physics/MapCollision.h"
#include "physics/Physics.h"
#include "platform/core/Clock.h"
#include "player/GameServices.h"
#include "tests/support/IdleLogic.h"
#include "tests/support/TempDir.h"

namespace {

constexpr int kModels = 200;
constexpr int kLights = 16;
constexpr int kLasers = 20;

// The engine with the physics system over the cooked demo lobby, on a clock moved by hand.
struct Lobby {
  TempDir scratch;
  Lobby() {
    platform::SetClock(&clock);
    auto idle = [] { return static_cast<EngineSystem*>(new IdleSystem()); };
    Engine::Instance()->Init({idle, idle, idle, idle, [] { return static_cast<EngineSystem*>(new Physics()); }, idle});
    RegisterEntityClass<Flashlight>("LogicLog");
    services.emplace(*Engine::Get(), logic);
    RegisterEntityClass<TripLaser>("LogicLog", [this] { return new TripLaser(*services); });
    RegisterEntityClass<TripLaserTrigger>("LogicLog");
    BspReader::Read(std::string(VR_GENERATED_DIR) + "/Maps/lobby.bsp", map);
    BspData world = map;
    ConvertToWorldFrame(world);
    collision.CookWorldMesh(world);
    Frame();
  }
  ~Lobby() {
    Engine::Get()->Shutdown();
    platform::SetClock(nullptr);
  }
  void Frame() {
    clock.AdvanceSeconds(1.0 / 60.0);
    Engine::Get()->RunFrame();
  }
  // Spread over the entrance hall (game y is the map's negated).
  static platform::Vector3 ModelPlace(int i) {
    return {40.0f + 35 * static_cast<float>(i % 20), -40.0f - 45 * static_cast<float>(i / 20), 40};
  }
  // Around the hall's middle, pointing at it.
  static platform::Vector3 LightPlace(int i) {
    return {100.0f + 40 * static_cast<float>(i % 8), -150.0f - 200 * static_cast<float>(i / 8), 90};
  }
  // Along the hall's west wall, shining east across it.
  static platform::Vector3 LaserPlace(int i) { return {30.0f, -30.0f - 22 * static_cast<float>(i), 40}; }

  platform::ManualClock clock;
  IdleLogic logic;
  std::optional<GameServices> services;
  BspData map;
  MapCollision collision;
};

void BM_ReferenceLightTests(benchmark::State& state) {
  std::vector<platform::Vector3> lights;
  for (int i = 0; i < kLights; ++i) lights.push_back(Lobby::LightPlace(i));
  const platform::Vector3 direction{0, 1, 0};
  int counted = 0;
  for (auto _ : state) {
    for (int m = 0; m < kModels; ++m) {
      const platform::Vector3 p = Lobby::ModelPlace(m);
      for (const platform::Vector3& l : lights) {
        const platform::Vector3 d = l - p;
        counted += platform::Vec3Dot(d, d) + 100.0f <= 640000.0f && platform::Vec3Dot(d, direction) <= 0.05f;
      }
    }
    benchmark::DoNotOptimize(counted);
  }
}
BENCHMARK(BM_ReferenceLightTests)->Unit(benchmark::kMicrosecond);

void BM_ModelLighting(benchmark::State& state) {
  Lobby lobby;
  SpotLightList list;
  for (int i = 0; i < kLights; ++i) {
    auto* lamp = static_cast<Flashlight*>(Engine::Get()->GetEntityManager()->Create("Flashlight"));
    lamp->physical.SetPosition(Lobby::LightPlace(i));
    lamp->SetDirection(0, 1, 0);
    lamp->Switch(true, 0);
    list.Add(&lamp->light);
  }
  std::vector<SpotLightRecord> near;
  float lit = 0;
  size_t before = allocations;
  int64_t frames = 0;
  for (auto _ : state) {
    if (frames++ == 1) before = allocations;  // the first frame grows the output
    for (int m = 0; m < kModels; ++m) {
      const platform::Vector3 p = Lobby::ModelPlace(m);
      lit += LightingForPosition(lobby.map, p).directed.x;
      list.FindLightsNear(near, p, 10.0f, 0);
      lit += static_cast<float>(near.size());
    }
    benchmark::DoNotOptimize(lit);
  }
  state.counters["allocations"] = frames > 1 ? static_cast<double>(allocations - before) / (frames - 1) : 0;
}
BENCHMARK(BM_ModelLighting)->Unit(benchmark::kMicrosecond);

void BM_ReferenceBeamRays(benchmark::State& state) {
  Lobby lobby;
  const Physics* physics = Engine::Get()->GetPhysics();
  for (auto _ : state) {
    for (int i = 0; i < kLasers; ++i) {
      const platform::Vector3 p = Lobby::LaserPlace(i);
      RayHit hit;
      benchmark::DoNotOptimize(physics->RayCast(p.x, p.y, p.z, 1, 0, 0, &hit));
    }
  }
}
BENCHMARK(BM_ReferenceBeamRays)->Unit(benchmark::kMicrosecond);

void BM_LaserBeams(benchmark::State& state) {
  Lobby lobby;
  std::vector<TripLaser*> lasers;
  for (int i = 0; i < kLasers; ++i) {
    auto* laser = static_cast<TripLaser*>(Engine::Get()->GetEntityManager()->Instantiate("TripLaser"));
    laser->physical.SetPosition(Lobby::LaserPlace(i));
    Entity::SetUp(laser);
    lasers.push_back(laser);
  }
  lobby.Frame();
  int enabled = 0;
  for (TripLaser* laser : lasers) enabled += laser->enabled;
  for (auto _ : state) {
    for (TripLaser* laser : lasers) laser->Update();
  }
  state.counters["enabled"] = enabled;
}
BENCHMARK(BM_LaserBeams)->Unit(benchmark::kMicrosecond);

}  // namespace
