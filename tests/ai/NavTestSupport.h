#pragma once
#include <filesystem>
#include <string>

#include "ai/AI.h"
#include "ai/nav/AIMapData.h"
#include "ai/AIRouteAgent.h"
#include "ai/AIRouteRequest.h"
#include "physics/PlayerPhysics.h"
#include "physics/Physics.h"
#include "tests/logic/GameTestSupport.h"

// The demo museum's maps with the real game logic, input, physics (Bullet) and AI; the other
// systems only record.
class GameSystemsTest : public GameTest {
 protected:
  void StartGameSystems() {
    SystemFactories systems = RecordingSystems();
    systems.input = ScriptedInput(&backend);
    systems.logic = [] { return new Logic(*Engine::Instance(), RegisterGameClasses); };
    systems.physics = [] { return new Physics(); };
    systems.ai = [] { return new AI(*Engine::Instance()); };
    Engine::Instance()->Init(systems);
    ConnectGameSystems(*Engine::Get());
  }
};

// The demo museum started by the real game logic, with the real AI on a real physics world;
// the thief and guards are the game logic tests' stand-ins.
class NavTest : public GameSystemsTest {
 protected:
  NavTest() {
    // The graphs the build made are set aside: the tests build them as a first start does.
    for (const auto& entry : std::filesystem::directory_iterator("Maps")) {
      if (entry.path().extension() == ".ngd") std::filesystem::rename(entry.path(), "built-" + entry.path().filename().string());
    }
    std::filesystem::copy_file(std::string(VR_DATA_DIR) + "/Data/MeshInfo.xml", "Data/MeshInfo.xml");
    // The settings the demo tree ships: saved and reused routes, pulled.
    std::filesystem::copy_file(std::string(VR_DATA_DIR) + "/Data/AIConfig.xml", "Data/AIConfig.xml");
  }

  void StartEngine() {
    StartGameSystems();
    RegisterEntityClass<TestThief>("LogicLog");
    RegisterMapEntityClass<TestStart>("LogicLog");
    RegisterEntityClass<TestGuard>("LogicLog");
  }

  void StartGame() {
    if (!Engine::Current()) StartEngine();
    GetLogic()->StartGame();
    ASSERT_TRUE(GetLogic()->IsInGame());
  }

  static AI* Ai() { return Engine::Get()->GetAI(); }
  static AIMapData& Map(int32_t index) { return *Ai()->GetMapData(index); }
};

// An agent for route following: a body with a character controller that records what
// following asks of it.
class RouteWalker : public EntityClass<RouteWalker>, public AIRouteAgent {
 public:
  static constexpr char kClassName[] = "RouteWalker";
  static void Describe(ClassBuilder<RouteWalker>& c) {
    c.Component(&RouteWalker::physical);
    c.Component(&RouteWalker::controller);
    c.Component(&RouteWalker::mapIndex);
  }
  void OnCreate() override {}

  void Respawn() override { ++respawns; }
  void ClearActions() override { ++clears; }
  bool SetActionSet(const std::string& name, float time, Entity*) override {
    requests.emplace_back(name, time);
    return true;
  }
  bool PausesAtPatrolPoints() const override { return pauses; }

  PhysicalComp physical;
  PlayerPhysics controller;
  MapIndexComp mapIndex;
  AIRouteRequest request;
  int respawns = 0;
  int clears = 0;
  bool pauses = true;
  std::vector<std::pair<std::string, float>> requests;
};

// A test agent standing at `position` in map `mapIndex`, its follower bound to it.
inline RouteWalker* MakeAgent(const platform::Vector3& position, int32_t mapIndex = 0) {
  EntityManager* entities = Engine::Get()->GetEntityManager();
  if (!entities->IsRegistered(RouteWalker::kClassName)) RegisterEntityClass<RouteWalker>("AI Log");
  auto* agent = static_cast<RouteWalker*>(entities->Instantiate(RouteWalker::kClassName));
  agent->physical.createActor = 0;
  Entity::SetUp(agent);
  agent->physical.SetPosition(position);
  agent->mapIndex.mapIndex = uint32_t(mapIndex);
  agent->request.Bind(agent, &agent->physical, &agent->controller, agent);
  return agent;
}
