#pragma once
#include <cmath>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/GameClasses.h"
#include "app/Systems.h"
#include "entity/EntityClass.h"
#include "graphics/Camera.h"
#include "input/ControlSeams.h"
#include "input/DevSeams.h"
#include "input/Input.h"
#include "input/InterpEditControls.h"
#include "logic/Logic.h"
#include "physics/PhysicalComp.h"
#include "physics/Physics.h"
#include "platform/input/ScriptedInput.h"
#include "player/PlayerInfo.h"
#include "tests/graphics/GraphicsFixture.h"

// A thief for the developer keys: a camera to look and fire from, a body whose position the
// node keys use, its heist state with the box, and a record of what it is told ("Name(args)").
class DevThief : public EntityClass<DevThief> {
 public:
  static constexpr char kClassName[] = "DevThief";
  static void Describe(ClassBuilder<DevThief>& c) {
    c.Component(&DevThief::camera);
    c.Component(&DevThief::physical);
    c.Component(&DevThief::info);
  }
  void OnCreate() override {}
  void HandleMessage(const std::string& name, MessageArgs* args) override {
    std::string text = name;
    if (args && args->Count() == 1) text.append("(").append(std::to_string(*args->Value(0))).append(")");
    told.push_back(text);
  }

  Camera camera;
  PhysicalComp physical;
  PlayerInfo info;
  std::vector<std::string> told;
};

// The navigation graphs as the developer keys reach them: a count of maps with a graph, and a
// record of the graph operations asked for ("add 0", "relink 0", "delete at 100 200 300").
class StandInAI : public DevAI {
 public:
  bool& RunSwitch() override { return run; }
  bool& ChaseSwitch() override { return chase; }
  bool& NodeEditSwitch() override { return nodeEdit; }
  int32_t GetNodeMapCount() const override { return mapCount; }
  void AddNodeAtPlayer(int32_t map) override { calls.push_back("add " + std::to_string(map)); }
  void RelinkNodeGraph(int32_t map) override { calls.push_back("relink " + std::to_string(map)); }
  void MarkNearestNode(const platform::Vector3& p, NodeMark mark) override {
    std::string call = mark == NodeMark::kDeleted ? "delete at" : "exclude at";
    for (float coordinate : {p.x, p.y, p.z}) call.append(" ").append(std::to_string(std::lround(coordinate)));
    calls.push_back(call);
  }

  bool run = true;
  bool chase = false;
  bool nodeEdit = false;
  int32_t mapCount = 0;
  std::vector<std::string> calls;
};

// A game on map 0, whose camera path is "Maps/lobby.bsp"; its thief is the game logic's.
class OnMapZero : public ControlledGame {
 public:
  Entity* GetPlayerEntity() const override { return Engine::Get()->GetLogic()->GetPlayerEntity(); }
  void EscapePressed() override {}
  void EndMapFlyThrough() override {}
  bool IsFlyThroughRunning() const override { return flyThrough; }
  int32_t GetCurrentMapIndex() const override { return 0; }
  std::string GetCameraPathName() override { return "Maps/lobby.bsp"; }
  void ToggleInterpEdit() override {}
  void ReturnToMainMenu() override {}
  void ToggleBox() override {}

  bool flyThrough = false;
};

// The engine with the real graphics (offscreen), physics, input on scripted devices and game
// logic, the developer keys switched on, the stand-in AI handed to the input system.
class DevToolsTest : public GraphicsFixture {
 protected:
  void StartDevTools() {
    SystemFactories systems = RecordingSystems();
    systems.graphics = [] { return new Graphics(); };
    systems.physics = [] { return new Physics(); };
    systems.input = [this] {
      return new Input([this] {
        auto made = std::make_unique<platform::ScriptedInputBackend>();
        backend = made.get();
        return std::unique_ptr<platform::InputBackend>(std::move(made));
      });
    };
    systems.logic = [] { return new Logic(*Engine::Instance(), RegisterGameClasses); };
    Engine::Instance()->Init(systems);
    ConnectGameSystems(*Engine::Get());
    graphics = Engine::Get()->GetGraphics();
    RegisterEntityClass<DevThief>("LogicLog");
    GetInput()->SetDevAI(&ai);
    GetLogic()->GetConfig().devControls = true;
    GetLogic()->SetControls();
    Frame(0.01);
  }

  static Input* GetInput() { return Engine::Get()->GetInput(); }
  static Logic* GetLogic() { return Engine::Get()->GetLogic(); }
  static InterpEditControls* Editor() {
    return static_cast<InterpEditControls*>(Engine::Get()->GetInputFocus()->FindScheme("InterpEdit").Get());
  }

  // A thief made the one under control, looking along +x from (100, 200, 300).
  DevThief* AddThief() {
    auto* thief = static_cast<DevThief*>(Engine::Get()->GetEntityManager()->Create("DevThief"));
    thief->camera.position = {100, 200, 300};
    thief->camera.direction = {1, 0, 0};
    thief->physical.SetPosition({100, 200, 300});
    GetLogic()->SetPlayerEntity(thief);
    thief->told.clear();
    return thief;
  }

  // Presses and releases the key named in the key-name table, and runs a frame.
  void Tap(const std::string& key) {
    const auto code = static_cast<uint32_t>(Input::GetKeyNames().Get(key));
    backend->Keyboard().Press(code);
    backend->Keyboard().Release(code);
    Frame(0.01);
  }
  void TapAll(const std::string& keys) {
    for (char key : keys) Tap(std::string(1, key));
  }

  StandInAI ai;
  platform::ScriptedInputBackend* backend = nullptr;
};
