#pragma once
#include <filesystem>
#include <string>

#include "ai/AI.h"
#include "ai/AIMapData.h"
#include "physics/Physics.h"
#include "tests/logic/GameTestSupport.h"

// The demo museum started by the real game logic, with the real AI on a real physics world;
// the thief and guards are the game logic tests' stand-ins.
class NavTest : public GameTest {
 protected:
  NavTest() {
    std::filesystem::copy_file(std::string(VR_DATA_DIR) + "/Data/MeshInfo.xml", "Data/MeshInfo.xml");
    // The settings the demo tree ships: saved and reused routes, pulled.
    std::filesystem::copy_file(std::string(VR_DATA_DIR) + "/Data/AIConfig.xml", "Data/AIConfig.xml");
  }

  void StartEngine() {
    SystemFactories systems = RecordingSystems();
    systems.input = ScriptedInput(&backend);
    systems.logic = [] { return new Logic(RegisterGameClasses); };
    systems.physics = [] { return new Physics(); };
    systems.ai = [] { return new AI(); };
    Engine::Instance()->Init(systems);
    ConnectGameSystems(*Engine::Get());
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
