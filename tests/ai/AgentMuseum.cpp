#include "tests/ai/AgentMuseum.h"

#include <filesystem>
#include <limits>

#include "ai/AI.h"
#include "ai/GuardSize.h"
#include "app/GameClasses.h"
#include "app/Systems.h"
#include "engine/Engine.h"
#include "entities/Guard.h"
#include "logic/Logic.h"
#include "physics/Physics.h"
#include "player/LogicServices.h"
#include "player/PlayerMessages.h"
#include "tests/support/RecordingSystem.h"

namespace fs = std::filesystem;

namespace {

// What the model would give the body: the guard model's size, as the graph building uses it.
void GiveModelSize(Entity& entity) {
  auto* bounds = entity.Find<BoundingData>();
  if (!bounds) return;
  const platform::Vector3 size = GuardModelSize();
  bounds->halfSizeX = size.x * 0.5f;
  bounds->halfSizeY = size.y * 0.5f;
  bounds->halfSizeZ = size.z * 0.5f;
  bounds->changed = 1;
}

// The idle systems' calls, dropped every frame.
std::vector<std::string> idleJournal;

}  // namespace

void MuseumThief::Describe(ClassBuilder<MuseumThief>& c) {
  c.Component(&MuseumThief::physical);
  c.Component(&MuseumThief::playerPhysics);
  c.Component(&MuseumThief::mapIndex);
  c.Component(&MuseumThief::info);
  c.Component(&MuseumThief::ai);
  c.Component(&MuseumThief::bounds);
  c.Component(&MuseumThief::camera);
  c.Message(kGuardTouch, &MuseumThief::GuardTouch);
}

// The character controller carries the thief, as it carries the game's.
MuseumThief::MuseumThief() {
  info.kind = "thief";
  physical.externalActor = 1;
}

MuseumThief::~MuseumThief() {
  if (LogicServices* logic = LogicServices::Get()) logic->UnregisterEntity(kClassName, *this);
}

void MuseumThief::OnCreate() {
  ai.CreateBrain("thief");
  if (LogicServices* logic = LogicServices::Get()) logic->RegisterEntity(kClassName, *this);
}

void MuseumThief::GuardTouch(Entity*) { ++touches; }

bool RecordingGameWorld::CastRay(const platform::Vector3& origin, const platform::Vector3& direction,
                                 AgentRayHit& hit) const {
  ++rays;
  return GameAgentWorld::CastRay(origin, direction, hit);
}

void RecordingGameWorld::SelectGadget(Entity&, int32_t gadget) { journal.push_back("select " + std::to_string(gadget)); }

void RecordingGameWorld::Fire(Entity&) { journal.push_back("fire"); }

void RecordingGameWorld::FireAt(Entity&, const platform::Vector3&) { journal.push_back("fire at"); }

void RecordingGameWorld::PlaySound(const std::string& name, Entity& at) {
  journal.push_back("sound " + name + " at " + std::to_string(at.GetId()));
}

AIConfig AgentMuseum::GuardSettings() {
  AIConfig settings;
  settings.EnableAI = settings.ChaseThieves = true;
  settings.MaxGuards = 6;
  settings.GUARD_VISION_RANGE = 800.0f * 800.0f;
  settings.THIEF_VISION_RANGE = 600.0f * 600.0f;
  // Loudness is this over the distance times the speed: a thief walking at 200 is heard
  // within 400 units.
  settings.LISTEN_RANGE_MODIFIER = 1.0f;
  return settings;
}

void AgentMuseum::MakeTree(const AIConfig& settings) {
  fs::create_directories("Data");
  fs::copy(fs::path(VR_GENERATED_DIR) / "Maps", "Maps",
           fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  for (const char* file : {"Museummaps.xml"}) {
    fs::copy_file(fs::path(VR_GENERATED_DIR) / "Data" / file, fs::path("Data") / file,
                  fs::copy_options::overwrite_existing);
  }
  for (const char* file : {"ActionConfig.xml", "MeshInfo.xml", "LogicConfig.xml"}) {
    fs::copy_file(fs::path(VR_DATA_DIR) / "Data" / file, fs::path("Data") / file,
                  fs::copy_options::overwrite_existing);
  }
  SaveAIConfig(settings, kAIConfigPath);
}

void AgentMuseum::StartEngine() {
  if (Engine* running = Engine::Current()) running->Shutdown();
  auto idle = [](const char* name) {
    return [name] { return static_cast<EngineSystem*>(new RecordingSystem(name, &idleJournal)); };
  };
  SystemFactories systems{[] { return new AI(*Engine::Instance()); }, idle("Sound"), idle("Graphics"), idle("Input"),
                          [] { return new Physics(); },
                          [] { return new Logic(*Engine::Instance(), RegisterGameClasses); }};
  Engine::Instance()->Init(systems);
  ConnectGameSystems(*Engine::Get());
  RegisterEntityClass<MuseumThief>("LogicLog");
  world = std::make_unique<RecordingGameWorld>(Engine::Get()->GetLogic()->GetServices());
  Engine::Get()->GetAI()->GetRoster().SetWorld(world.get());
}

void AgentMuseum::StartRound() {
  Logic* logic = Engine::Get()->GetLogic();
  logic->StartGame();
  logic->EndMapFlyThrough();
  if (MuseumThief* user = User()) GiveModelSize(*user);
  for (Guard* guard : Guards()) GiveModelSize(*guard);
}

void AgentMuseum::Frame() {
  idleJournal.clear();
  clock_.AdvanceSeconds(kFrame);
  Engine::Get()->RunFrame();
}

void AgentMuseum::Run(double seconds) {
  for (double t = 0; t < seconds - 1e-9; t += kFrame) Frame();
}

MuseumThief* AgentMuseum::User() const {
  return dynamic_cast<MuseumThief*>(Engine::Get()->GetLogic()->GetPlayerEntity());
}

std::vector<Guard*> AgentMuseum::Guards() const {
  std::vector<Guard*> guards;
  for (AIComponent* agent : Engine::Get()->GetAI()->GetAgents()) {
    if (auto* guard = dynamic_cast<Guard*>(agent->owner)) guards.push_back(guard);
  }
  return guards;
}

Guard* AgentMuseum::GuardNear(const platform::Vector3& point) const {
  Guard* nearest = nullptr;
  float best = std::numeric_limits<float>::max();
  for (Guard* guard : Guards()) {
    const float distance = platform::Vec3LengthSq(guard->ai.homePosition - point);
    if (distance < best) {
      best = distance;
      nearest = guard;
    }
  }
  return nearest;
}
