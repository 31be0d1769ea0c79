// The physics system at the sizes of a game: cooking the largest map at the game start, a frame
// of a round with its characters and loose bodies, and the rays and character moves that the
// players and the AI make every frame. Results are in Results.md beside this file.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/support/IdleSystem.h"
#include "engine/Engine.h"
#include "engine/EngineSystem.h"
#include "entity/EntityClass.h"
#include "map/BspReader.h"
#include "map/MapGeometry.h"
#include "physics/MapCollision.h"
#include "physics/PhysicalComp.h"
#include "physics/Physics.h"
#include "physics/PlayerPhysics.h"
#include "platform/core/Clock.h"
#include "physics/BoundingData.h"
#include "player/PlayerInfo.h"
#include "tests/map/ZipArchive.h"
#include "tests/support/TempDir.h"

namespace {

// A thief as the game builds one, for the controller benchmarks.
class BenchThief : public EntityClass<BenchThief> {
 public:
  static constexpr char kClassName[] = "BenchThief";
  static void Describe(ClassBuilder<BenchThief>& c) {
    c.Component(&BenchThief::physical);
    c.Component(&BenchThief::playerPhysics);
    c.Component(&BenchThief::info);
    c.Component(&BenchThief::bounds);
  }
  BenchThief() {
    physical.externalActor = 1;
    physical.sendOnTouch = 1;
    bounds.halfSizeX = bounds.halfSizeY = 12;
    bounds.halfSizeZ = 28;
    bounds.changed = 1;
  }
  void OnCreate() override {}
  PhysicalComp physical;
  PlayerPhysics playerPhysics;
  PlayerInfo info;
  BoundingData bounds;
};

// The engine with the physics system in a scratch folder, on a clock moved by hand.
struct World {
  TempDir scratch;  // the engine writes its settings and logs into the working folder
  World() {
    std::filesystem::create_directory("Data");
    platform::SetClock(&clock);
    auto idle = [] { return static_cast<EngineSystem*>(new IdleSystem()); };
    Engine::Instance()->Init({idle, idle, idle, idle, [] { return static_cast<EngineSystem*>(new Physics()); }, idle});
    RegisterEntityClass<BenchThief>("PhysicsLog");
    physics = Engine::Get()->GetPhysics();
    Frame();
  }
  ~World() {
    collision.reset();
    Engine::Get()->Shutdown();
    platform::SetClock(nullptr);
  }
  void Frame() {
    clock.AdvanceSeconds(1.0 / 60.0);
    Engine::Get()->RunFrame();
  }
  Entity* Create(const char* className, const platform::Vector3& at) {
    Entity* entity = Engine::Get()->GetEntityManager()->Create(className);
    entity->Find<PhysicalComp>()->SetPosition(at);
    return entity;
  }
  void Cook(const BspData& map) {
    collision = std::make_unique<MapCollision>();
    collision->CookWorldMesh(map);
  }

  platform::ManualClock clock;
  Physics* physics = nullptr;
  std::unique_ptr<MapCollision> collision;
};

BspData ReadWorldFrame(std::vector<uint8_t> bytes) {
  BspData map;
  if (!bytes.empty()) {
    BspReader::Parse(bytes, map);
    ConvertToWorldFrame(map);
  }
  return map;
}

// The largest map of the third-party package (empty when it is not installed).
const BspData& LargestThirdPartyMap() {
  static const BspData map = [] {
    const std::string package = ThirdPartyMapPackage();
    if (package.empty()) return BspData();
    ZipArchive zip(package);
    const ZipArchive::Entry* largest = nullptr;
    for (const ZipArchive::Entry& e : zip.entries()) {
      if (e.name.ends_with(".bsp") && (!largest || e.size > largest->size)) largest = &e;
    }
    return largest ? ReadWorldFrame(zip.Extract(*largest)) : BspData();
  }();
  return map;
}

const BspData& DemoLobby() {
  static const BspData map = [] {
    BspData m;
    BspReader::Read(std::string(VR_GENERATED_DIR) + "/Maps/lobby.bsp", m);
    ConvertToWorldFrame(m);
    return m;
  }();
  return map;
}

// Where players stand: the origins of the map's entities (spawn points, items ...), lifted to
// eye height, in the world frame.
std::vector<platform::Vector3> EyePoints(const BspData& map) {
  std::vector<platform::Vector3> points;
  for (const KeyValueMap& keys : map.entityKeyValues) {
    auto it = keys.find("origin");
    platform::Vector3 p;
    if (it == keys.end() || std::sscanf(it->second.c_str(), "%f %f %f", &p.x, &p.y, &p.z) != 3) continue;
    points.push_back({p.x, -p.y, p.z + 40});
  }
  return points;
}

void BM_CookLargestMap(benchmark::State& state) {
  const BspData& map = LargestThirdPartyMap();
  if (map.faces.empty()) return state.SkipWithError("third-party map package not installed");
  World world;
  for (auto _ : state) world.Cook(map);
  state.counters["triangles"] = world.collision->GetTriangleCount();
}
BENCHMARK(BM_CookLargestMap)->Unit(benchmark::kMillisecond);

// One 1/60 s frame of a round: 20 characters walking and 200 boxes on the demo lobby's floor.
void BM_FrameWithCharactersAndBoxes(benchmark::State& state) {
  World world;
  world.Cook(DemoLobby());
  std::vector<BenchThief*> thieves;
  for (int i = 0; i < 20; ++i) {
    auto* thief = world.Create(BenchThief::kClassName, {60.0f + 30 * (i % 10), -60.0f - 200 * (i / 10), 40});
    thieves.push_back(static_cast<BenchThief*>(thief));
  }
  for (int i = 0; i < 200; ++i) {
    world.Create("PhyCube", {40.0f + 35 * (i % 20), -300.0f - 35 * (i / 20), 20});
  }
  for (int i = 0; i < 120; ++i) world.Frame();
  int frame = 0;
  for (auto _ : state) {
    const float angle = 0.05f * static_cast<float>(frame++);
    for (BenchThief* t : thieves) t->playerPhysics.move = {2.5f * std::cos(angle), 2.5f * std::sin(angle), 0};
    world.Frame();
  }
}
BENCHMARK(BM_FrameWithCharactersAndBoxes)->Unit(benchmark::kMillisecond);

void BM_RayCastsAgainstLargestMap(benchmark::State& state) {
  const BspData& map = LargestThirdPartyMap();
  if (map.faces.empty()) return state.SkipWithError("third-party map package not installed");
  World world;
  world.Cook(map);
  const std::vector<platform::Vector3> eyes = EyePoints(map);
  if (eyes.empty()) return state.SkipWithError("the map places no entities");
  uint32_t seed = 12345;
  int64_t hits = 0;
  for (auto _ : state) {
    seed = seed * 1664525u + 1013904223u;
    const platform::Vector3& c = eyes[(seed >> 4) % eyes.size()];
    const float yaw = static_cast<float>(seed >> 8) * (6.2831853f / 16777216.0f);
    const float pitch = static_cast<float>(seed & 0xFF) * (3.0f / 256.0f) - 1.5f;
    RayHit hit;
    hits += world.physics->RayCast(c.x, c.y, c.z, std::cos(yaw) * std::cos(pitch), std::sin(yaw) * std::cos(pitch),
                                   std::sin(pitch), &hit);
  }
  state.counters["rays/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
  state.counters["hit share"] = static_cast<double>(hits) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_RayCastsAgainstLargestMap);

// A thief walking in circles on the demo lobby's floor, one PlayerPhysics::Move per iteration.
void BM_ControllerMoves(benchmark::State& state) {
  World world;
  world.Cook(DemoLobby());
  auto* thief = static_cast<BenchThief*>(world.Create(BenchThief::kClassName, {300, -250, 40}));
  for (int i = 0; i < 30; ++i) world.Frame();
  int step = 0;
  for (auto _ : state) {
    const float angle = 0.02f * static_cast<float>(step++);
    thief->playerPhysics.move = {2.5f * std::cos(angle), 2.5f * std::sin(angle), 0};
    thief->playerPhysics.Move();
  }
  state.counters["moves/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ControllerMoves);

}  // namespace
