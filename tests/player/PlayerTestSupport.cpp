#include "tests/player/PlayerTestSupport.h"

#include <filesystem>
#include <fstream>

#include "graphics/ParticleManager.h"
#include "physics/MapCollision.h"
#include "physics/Physics.h"
#include "player/PlayerMessages.h"
#include "player/gadgets/GadgetEnt.h"
#include "player/gadgets/SmokeGrenade.h"
#include "player/gadgets/SuctionCup.h"
#include "player/pickups/PickupFamilies.h"

namespace fs = std::filesystem;

namespace {
constexpr Message<uint32_t> kUnfreeze{"Unfreeze"};
}  // namespace

void StandInLogic::UnregisterEntity(const std::string& className, const Entity& entity) {
  auto it = lists.find(className);
  if (it != lists.end()) it->second.Remove(entity);
}

const EntityList* StandInLogic::GetEntities(const std::string& className) const {
  auto it = lists.find(className);
  return it == lists.end() ? nullptr : &it->second;
}

void StandInLogic::MovePlayerToStart(Entity& thief) {
  ++startsUsed;
  static_cast<Player&>(thief).physical.SetPositionCached(start);
}

Entity* StandInLogic::CreateGadgetEnt(const std::string& name) { return MakeGadget(*Engine::Get(), name); }

void StandInLogic::UnfreezeLater(const Entity& entity, float delay) {
  Entity* commands = Engine::Get()->GetEntityManager()->Create(StandInCommands::kClassName);
  Engine::Get()->GetMessageQueue()->Post(commands, kUnfreeze, delay, entity.GetId());
}

void StandInLaser::Describe(ClassBuilder<StandInLaser>& c) {
  c.Component(&StandInLaser::physical);
  c.Message(kDisable, &StandInLaser::Disable);
}

void StandInGuard::Describe(ClassBuilder<StandInGuard>& c) {
  c.Component(&StandInGuard::physical);
  c.Component(&StandInGuard::playerPhysics);
  c.Component(&StandInGuard::info);
  c.Component(&StandInGuard::bounds);
  c.Component(&StandInGuard::ai);
}

StandInGuard::StandInGuard() {
  physical.externalActor = 1;
  info.kind = "guard";
  bounds.halfSizeX = bounds.halfSizeY = 12;
  bounds.halfSizeZ = 28;
  bounds.radius = 12;
  bounds.changed = 1;
}

void StandInTeleporter::Describe(ClassBuilder<StandInTeleporter>& c) {
  c.Message(kTeleport, &StandInTeleporter::Teleport);
}

void StandInCommands::Describe(ClassBuilder<StandInCommands>& c) { c.Message(kUnfreeze, &StandInCommands::Unfreeze); }

void StandInCommands::Unfreeze(uint32_t id) {
  if (Entity* entity = Engine::Get()->GetEntityManager()->FindEntity(id)) {
    if (auto* physical = entity->Find<PhysicalComp>()) physical->RequestUnfreeze();
  }
  Engine::Get()->GetEntityManager()->QueueDelete(this);
}

PlayerWorldTest::PlayerWorldTest() {
  const fs::path data = fs::path(VR_DATA_DIR) / "Data";
  for (const char* name : {"PoofConfig", "TaserConfig", "TasedConfig", "smokeConfig", "smokeTrailConfig"}) {
    fs::copy_file(data / (std::string(name) + ".xml"), DataFile(std::string(name) + ".xml"));
  }
  fs::copy(data / "gadgets", "Data/gadgets");
  fs::copy(fs::path(VR_GENERATED_DIR) / "models", "models");
  // Frames come quicker without the post-processing chain, which these tests do not look at.
  std::string config = TempDir::Read(DataFile("GraphicsConfig.xml"));
  const std::string on = "<bool name=\"PostProcess\">true</bool>";
  config.replace(config.find(on), on.size(), "<bool name=\"PostProcess\">false</bool>");
  std::ofstream(DataFile("GraphicsConfig.xml")) << config;
}

PlayerWorldTest::~PlayerWorldTest() {
  Stop();
  LogicServices::Set(nullptr);
}

void PlayerWorldTest::StartWorld() {
  SystemFactories systems = RecordingSystems();
  systems.graphics = [] { return new Graphics(); };
  systems.physics = [] { return new Physics(); };
  Engine::Instance()->Init(systems);
  graphics = Engine::Get()->GetGraphics();
  physics = Engine::Get()->GetPhysics();
  physics->GetSettings().noclip = false;
  services.emplace(*Engine::Get(), logic);
  RegisterServed<Player>();
  RegisterServed<GadgetEnt>();
  RegisterServed<SmokeGrenade>();
  RegisterServed<SuctionCup>();
  RegisterServed<BoxSpawn>();
  RegisterServed<BoxPickup>();
  RegisterServed<SmokeGrenadeSpawn>();
  RegisterServed<SmokeGrenadePickup>();
  RegisterServed<BatterySpawn>();
  RegisterServed<Battery>();
  RegisterEntityClass<StandInLaser>("LogicLog");
  RegisterEntityClass<StandInGuard>("LogicLog");
  RegisterEntityClass<StandInCommands>("LogicLog");
  RegisterEntityClass<StandInTeleporter>("LogicLog");
  RegisterEntityClass<Prop>("PhysicsLog");
  LogicServices::Set(&logic);
  Frames(1);
}

void PlayerWorldTest::Frames(int count, double seconds) {
  for (int i = 0; i < count; ++i) Frame(seconds);
}

void PlayerWorldTest::CookWorld(const WorldBuilder& world) {
  worlds.push_back(std::make_unique<WorldBuilder>(world));
  collisions.push_back(std::make_unique<MapCollision>());
  ASSERT_TRUE(collisions.back()->CookWorldMesh(worlds.back()->map));
}

WorldBuilder PlayerWorldTest::Floor() { return std::move(WorldBuilder().AddBox({-2000, -2000, -10}, {2000, 2000, 0})); }

WorldBuilder PlayerWorldTest::FloorAndWall(float x) {
  WorldBuilder world = Floor();
  world.AddBox({x, -500, 0}, {x + 20, 500, 400});
  return world;
}

Player* PlayerWorldTest::ThiefBeforeWall(float x) {
  CookWorld(FloorAndWall(x));
  return SpawnThief({0, 0, 40}, false);
}

Player* PlayerWorldTest::SpawnThief(const platform::Vector3& position, bool user) {
  auto* thief = Create<Player>();
  thief->physical.SetPosition(position);
  if (user) {
    logic.player.Set(thief);
    thief->Send(kSetActivePlayer, true);
  }
  return thief;
}

StandInGuard* PlayerWorldTest::SpawnGuard(const platform::Vector3& position) {
  auto* guard = Create<StandInGuard>();
  guard->physical.SetPosition(position);
  return guard;
}

void PlayerWorldTest::Face(Player* thief, const platform::Vector3& direction) {
  thief->camera.direction = platform::Vec3Normalize(direction);
  thief->camera.right = platform::Vec3Normalize(platform::Vec3Cross({0, 0, 1}, thief->camera.direction));
}

int PlayerWorldTest::EmitterCount() const { return graphics->GetParticleManager()->EmitterCount(); }
