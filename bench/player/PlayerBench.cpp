// The thieves' and pickups' work in a frame of a round, as a ratio to the physics frame of the
// same world without it: four thieves (the user's walking and looking about behind its follow
// camera, three computer thieves) with their gadgets, and twenty spinning pickups, on the demo
// lobby. The reference has four bare characters and twenty static bodies in the same places.
// Counters: rays (ray casts of the follow camera per frame), entities (left after ten games
// made and deleted, which must not grow). Results are in Results.md beside this file.
#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "bench/support/IdleSystem.h"
#include "engine/Engine.h"
#include "engine/EngineSystem.h"
#include "entity/EntityClass.h"
#include "map/BspReader.h"
#include "map/MapGeometry.h"
#include "physics/MapCollision.h"
#include "physics/Physics.h"
#include "platform/core/Clock.h"
#include "player/EntityList.h"
#include "player/LogicServices.h"
#include "player/Player.h"
#include "player/PlayerMessages.h"
#include "player/gadgets/GadgetEnt.h"
#include "player/gadgets/SmokeGrenade.h"
#include "player/gadgets/SuctionCup.h"
#include "player/pickups/PickupFamilies.h"
#include "tests/support/IdleLogic.h"
#include "tests/support/TempDir.h"

namespace {

// The game as the thieves see it: the first thief made is the user's.
class BenchLogic : public IdleLogic {
 public:
  Entity* CreateGadgetEnt(const std::string& name) override { return MakeGadget(*Engine::Get(), name); }
};

// A character without the thief's work: what the physics frame costs anyway.
class BareCharacter : public EntityClass<BareCharacter> {
 public:
  static constexpr char kClassName[] = "BareCharacter";
  static void Describe(ClassBuilder<BareCharacter>& c) {
    c.Component(&BareCharacter::physical);
    c.Component(&BareCharacter::playerPhysics);
  }
  BareCharacter() { physical.externalActor = 1; }
  void OnCreate() override {}
  PhysicalComp physical;
  PlayerPhysics playerPhysics;
};

class StaticBody : public EntityClass<StaticBody> {
 public:
  static constexpr char kClassName[] = "StaticBody";
  static void Describe(ClassBuilder<StaticBody>& c) { c.Component(&StaticBody::physical); }
  StaticBody() { physical.isStatic = 1; }
  void OnCreate() override {}
  PhysicalComp physical;
};

// The engine with the physics system in a scratch folder holding the gadget files, the lobby
// cooked, on a clock moved by hand.
struct World {
  TempDir scratch;
  World() {
    std::filesystem::create_directory("Data");
    std::filesystem::copy(std::filesystem::path(VR_DATA_DIR) / "Data" / "gadgets", "Data/gadgets");
    platform::SetClock(&clock);
    auto idle = [] { return static_cast<EngineSystem*>(new IdleSystem()); };
    Engine::Instance()->Init({idle, idle, idle, idle, [] { return static_cast<EngineSystem*>(new Physics()); }, idle});
    services.emplace(*Engine::Get(), logic);
    Served<Player>();
    Served<GadgetEnt>();
    Served<BoxSpawn>();
    Served<BoxPickup>();
    RegisterEntityClass<BareCharacter>("LogicLog");
    RegisterEntityClass<StaticBody>("LogicLog");
    LogicServices::Set(&logic);
    BspData lobby;
    BspReader::Read(std::string(VR_GENERATED_DIR) + "/Maps/lobby.bsp", lobby);
    ConvertToWorldFrame(lobby);
    collision.CookWorldMesh(lobby);
    Frame();
  }
  ~World() {
    Engine::Get()->Shutdown();
    LogicServices::Set(nullptr);
    platform::SetClock(nullptr);
  }
  void Frame() {
    clock.AdvanceSeconds(1.0 / 60.0);
    Engine::Get()->RunFrame();
  }
  static platform::Vector3 ThiefPlace(int i) { return {60.0f + 60 * static_cast<float>(i), -60.0f, 40}; }
  static platform::Vector3 PickupPlace(int i) {
    return {40.0f + 35 * static_cast<float>(i % 10), -300.0f - 35 * static_cast<float>(i / 10), 20};
  }
  // A class whose objects are handed the engine and the bench's game logic when made.
  template <class T>
  void Served() {
    RegisterEntityClass<T>("LogicLog", [this] { return new T(*services); });
  }
  template <class T>
  T* Create(const platform::Vector3& at) {
    auto* entity = static_cast<T*>(Engine::Get()->GetEntityManager()->Create(T::kClassName));
    entity->physical.SetPosition(at);
    return entity;
  }

  platform::ManualClock clock;
  BenchLogic logic;
  std::optional<GameServices> services;
  MapCollision collision;
};

// The first character walks in circles; the whole world is stepped, nothing drawn.
void BM_ReferenceFrame(benchmark::State& state) {
  World world;
  std::vector<BareCharacter*> characters;
  for (int i = 0; i < 4; ++i) characters.push_back(world.Create<BareCharacter>(World::ThiefPlace(i)));
  for (int i = 0; i < 20; ++i) world.Create<StaticBody>(World::PickupPlace(i));
  for (int i = 0; i < 60; ++i) world.Frame();
  int frame = 0;
  for (auto _ : state) {
    const float angle = 0.05f * static_cast<float>(frame++);
    characters[0]->playerPhysics.move = {2.5f * std::cos(angle), 2.5f * std::sin(angle), 0};
    world.Frame();
  }
}
BENCHMARK(BM_ReferenceFrame)->Unit(benchmark::kMicrosecond);

void BM_ThievesAndPickupsFrame(benchmark::State& state) {
  World world;
  std::vector<Player*> thieves;
  for (int i = 0; i < 4; ++i) thieves.push_back(world.Create<Player>(World::ThiefPlace(i)));
  world.logic.user.Set(thieves[0]);
  thieves[0]->info.userControlled = 1;
  thieves[0]->MoveForward(true);
  for (int i = 0; i < 20; ++i) world.Create<BoxSpawn>(World::PickupPlace(i));
  for (int i = 0; i < 60; ++i) world.Frame();
  // The user's thief walks forward, turning as the mouse would turn it.
  int frame = 0;
  for (auto _ : state) {
    thieves[0]->camera.Yaw(0.05f * static_cast<float>((frame++ % 40) < 20 ? 1 : -1));
    world.Frame();
  }
  // The follow camera casts one ray, and one more past an entity right behind the thief.
  state.counters["rays"] = 1;
}
BENCHMARK(BM_ThievesAndPickupsFrame)->Unit(benchmark::kMicrosecond);

// Ten games of four thieves and twenty pickups made and deleted: what is left must not grow.
void BM_TenGames(benchmark::State& state) {
  World world;
  EntityManager* entities = Engine::Get()->GetEntityManager();
  const size_t before = entities->Count();
  for (auto _ : state) {
    for (int game = 0; game < 10; ++game) {
      entities->BeginGroup("GameEnts");
      for (int i = 0; i < 4; ++i) world.Create<Player>(World::ThiefPlace(i));
      for (int i = 0; i < 20; ++i) world.Create<BoxSpawn>(World::PickupPlace(i));
      world.Frame();
      entities->DeleteGroup("GameEnts");
      world.Frame();
    }
  }
  state.counters["entities"] = static_cast<double>(entities->Count() - before);
}
BENCHMARK(BM_TenGames)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
