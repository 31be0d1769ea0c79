#pragma once
#include <fstream>
#include <string>
#include <vector>

#include "entity/EntityClass.h"
#include "graphics/Camera.h"
#include "map/MapEntityClasses.h"
#include "physics/MapIndexComp.h"
#include "physics/PhysicalComp.h"
#include "player/LogicServices.h"
#include "player/PlayerInfo.h"
#include "player/PlayerMessages.h"
#include "tests/logic/LogicTestSupport.h"

// Stand-ins for the thieves, player starts and guards of the game: each has the components the
// game logic reads and joins its class list the way the real classes do.
template <const char* Name>
class StandIn : public EntityClass<StandIn<Name>> {
 public:
  static constexpr const char* kClassName = Name;
  static void Describe(ClassBuilder<StandIn>& c) {
    c.Component(&StandIn::physical);
    c.Component(&StandIn::mapIndex);
    c.Component(&StandIn::info);
    c.Component(&StandIn::camera);
    c.Message(kGuardTouch, &StandIn::GuardTouch);
    c.Message(kDoBust, &StandIn::DoBust);
  }
  void OnCreate() override {
    if (LogicServices* logic = LogicServices::Get()) logic->RegisterEntity(Name, *this);
  }
  void GuardTouch(Entity* guard) { touchedBy.push_back(guard); }
  void DoBust() { ++busts; }

  PhysicalComp physical;
  MapIndexComp mapIndex;
  PlayerInfo info;
  Camera camera;
  std::vector<Entity*> touchedBy;
  int busts = 0;
};

inline constexpr char kPlayerName[] = "Player";
inline constexpr char kPlayerStartName[] = "PlayerStart";
inline constexpr char kGuardName[] = "Guard";
using TestThief = StandIn<kPlayerName>;
using TestStart = StandIn<kPlayerStartName>;
using TestGuard = StandIn<kGuardName>;

// The game logic over the demo museum with the stand-in classes, on recording physics.
class GameTest : public LogicTest {
 protected:
  GameTest() {
    CopyDemoMaps();
    std::filesystem::copy_file(std::filesystem::path(VR_GENERATED_DIR) / "Data" / "Museummaps.xml",
                               "Data/Museummaps.xml");
  }

  Engine* StartGameLogic() {
    Engine* engine = StartLogic();
    RegisterEntityClass<TestThief>("LogicLog");
    RegisterMapEntityClass<TestStart>("LogicLog");
    RegisterEntityClass<TestGuard>("LogicLog");
    return engine;
  }

  static void WriteSettings(const std::string& body) {
    std::ofstream("Data/LogicConfig.xml") << "<?xml version=\"1.0\"?>\n" << body;
  }
  static void WriteMapList(const std::string& file, const std::vector<std::string>& maps) {
    std::ofstream out("Data/" + file);
    out << "<?xml version=\"1.0\"?>\n<list name=\"\">";
    for (const std::string& map : maps) out << "<string>" << map << "</string>";
    out << "</list>";
  }

  TestThief* Thief() { return static_cast<TestThief*>(GetLogic()->GetPlayerEntity()); }
  // Starts a game and ends its fly-through, so that the clock runs.
  void StartRound() {
    GetLogic()->StartGame();
    GetLogic()->EndMapFlyThrough();
  }
};
