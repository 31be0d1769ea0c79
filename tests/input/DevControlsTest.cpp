#include <gtest/gtest.h>

#include <filesystem>

#include "engine/ConsoleWindow.h"
#include "engine/VariableTable.h"
#include "graphics/gui/DebugVariablePanel.h"
#include "input/ControlMap.h"
#include "input/InputMessages.h"
#include "physics/TestBodies.h"
#include "tests/input/DevTestSupport.h"

namespace {

using Strings = std::vector<std::string>;

class Bodiless : public EntityClass<Bodiless> {
 public:
  static constexpr char kClassName[] = "Bodiless";
  static void Describe(ClassBuilder<Bodiless>&) {}
  void OnCreate() override {}
};

class DevControlsTest : public DevToolsTest {
 protected:
  void SetUp() override { StartDevTools(); }
  static Entity* Dev() { return Engine::Get()->GetInputFocus()->FindScheme("Dev").Get(); }
  static std::string LastConsoleLines(size_t count) {
    const std::vector<std::string> lines = ConsoleLines();
    std::string text;
    for (size_t i = lines.size() > count ? lines.size() - count : 0; i < lines.size(); ++i) text += lines[i] + "\n";
    return text;
  }
};

TEST_F(DevControlsTest, SeventeenFixedKeysFireOnTheirPressOnly) {
  const std::pair<const char*, const char*> expected[] = {
      {"Q", "ToggleAIInput"},   {"1", "ToggleBuildThiefPath"}, {"2", "ToggleBuildGuardPath"}, {"J", "AddNodeInput"},
      {"H", "DeleteNodeInput"}, {"N", "ReLinkNodeGraph"},      {"C", "ToggleChase"},          {"Z", "ToggleAI"},
      {"L", "ExcludeNode"},     {"V", "ToggleVariables"},      {"T", "ToggleTimers"},         {"B", "ToggleBox"},
      {"P", "FirePhyObj"},      {"SysRQ", "PrintScreen"},      {"F", "ParticleTest"},         {"I", "InterpEditToggle"},
      {"9", "EndSession"},
  };
  const ControlMap* map = Dev()->Find<ControlMap>();
  ASSERT_TRUE(map->IsActive()) << "the settings ask for the developer keys";
  EXPECT_EQ(map->KeyboardByCode().size(), std::size(expected));
  EXPECT_TRUE(map->MouseByCode().empty());
  for (const auto& [key, action] : expected) {
    const KeyBinding* binding = map->FindKey(Input::GetKeyNames().Get(key));
    ASSERT_NE(binding, nullptr) << key;
    EXPECT_EQ(binding->action, action) << key;
    EXPECT_TRUE(binding->onPress && !binding->onRelease) << key;
  }
  const KeyBinding* fire = map->FindKey(Input::GetKeyNames().Get("P"));
  EXPECT_EQ(fire->args.GetString(), "PhySphere");
  EXPECT_EQ(Input::GetKeyNames().Get("SysRQ"), 0xB7) << "Print Screen";
}

TEST_F(DevControlsTest, TheAISwitchKeys) {
  struct Case {
    bool runBefore;
    const char* keys;
    bool run, nodeEdit, chase;
  } cases[] = {
      // Q twice leaves the AI running, whatever it did before.
      {false, "QQ", true, false, false},
      {true, "QQ", true, false, false},
      // Entering node editing stops the AI.
      {true, "Q", false, true, false},
      {true, "Z", false, false, false},
      {false, "Z", true, false, false},
      // The chase switch moves only while node editing is on.
      {true, "C", true, false, false},
      {true, "QC", false, true, true},
      {true, "QCC", false, true, false},
  };
  for (const Case& c : cases) {
    ai.run = c.runBefore;
    ai.nodeEdit = ai.chase = false;
    TapAll(c.keys);
    EXPECT_EQ(ai.run, c.run) << c.keys;
    EXPECT_EQ(ai.nodeEdit, c.nodeEdit) << c.keys;
    EXPECT_EQ(ai.chase, c.chase) << c.keys;
  }
}

// In a game on map 0, which has a graph, with a thief standing at (100, 200, 300).
class NodeKeysTest : public DevControlsTest {
 protected:
  void SetUp() override {
    DevControlsTest::SetUp();
    GetInput()->SetControlledGame(&onMapZero);
    AddThief();
    ai.mapCount = 1;
  }

  OnMapZero onMapZero;
};

TEST_F(NodeKeysTest, NodeKeysDoNothingUntilNodeEditingIsOn) {
  TapAll("JHNL");
  EXPECT_TRUE(ai.calls.empty());
  TapAll("QJN");
  EXPECT_EQ(ai.calls, (Strings{"add 0", "relink 0"}));
}

TEST_F(NodeKeysTest, HAndLMarkTheNodeNearestToTheThief) {
  TapAll("QHL");
  EXPECT_EQ(ai.calls, (Strings{"delete at 100 200 300", "exclude at 100 200 300"}));
}

TEST_F(NodeKeysTest, WithoutAThiefOrAGraphForTheMapNothingIsEdited) {
  GetLogic()->SetPlayerEntity(nullptr);
  TapAll("QHL");
  EXPECT_TRUE(ai.calls.empty());
  ai.mapCount = 0;
  TapAll("JN");
  EXPECT_TRUE(ai.calls.empty()) << "map 0 has no graph";
}

// Outside a game the current map index is -1: J and N must not reach for a map.
TEST_F(DevControlsTest, InTheMenusTheGraphKeysFindNoMap) {
  ai.mapCount = 1;
  TapAll("QJN");
  EXPECT_TRUE(ai.nodeEdit);
  EXPECT_TRUE(ai.calls.empty());
}

TEST_F(DevControlsTest, TheVariablePanelTakesTheMouseFromTheThief) {
  DebugVariablePanel* panel = graphics->GetVariablePanel();
  Tap("V");
  EXPECT_TRUE(panel->showVariables) << "with no game the panel still shows";
  Tap("T");
  EXPECT_TRUE(panel->showTimers);
  DevThief* thief = AddThief();
  Tap("V");
  Tap("V");
  EXPECT_EQ(thief->told, (Strings{"MouseLook(1)", "MouseLook(0)"}));
  EXPECT_TRUE(panel->showVariables);
}

TEST_F(DevControlsTest, TheBoxKeyHidesTheThiefOnlyWhileItHasABox) {
  DevThief* thief = AddThief();
  thief->info.boxes = 1;
  Tap("B");
  EXPECT_EQ(thief->info.inBox, 1);
  Tap("B");
  EXPECT_EQ(thief->info.inBox, 0);
  thief->info.boxes = 0;
  Tap("B");
  EXPECT_EQ(thief->info.inBox, 0);
}

TEST_F(DevControlsTest, ASphereIsFiredFromTheThiefsView) {
  DevThief* thief = AddThief();
  thief->camera.direction = {0, 0.6f, 0.8f};
  const uint32_t next = Entity::PeekNextId();
  // Sent as the key sends it, and looked at before the world moves it.
  Dev()->Send(DevAction::kFirePhyObj, std::string("PhySphere"));
  auto* sphere = dynamic_cast<PhySphere*>(Engine::Get()->GetEntityManager()->FindEntity(next));
  ASSERT_NE(sphere, nullptr);
  const platform::Vector3 at = sphere->physical.GetPosition();
  EXPECT_NEAR(at.x, 100, 1e-3);
  EXPECT_NEAR(at.y, 260, 1e-3);
  EXPECT_NEAR(at.z, 380, 1e-3);
  const platform::Vector3 velocity = sphere->physical.GetVelocity();
  EXPECT_NEAR(velocity.y, 300, 1e-3);
  EXPECT_NEAR(velocity.z, 400, 1e-3);
}

TEST_F(DevControlsTest, FiringWhatCannotFlyIsRefusedWithAReason) {
  RegisterEntityClass<Bodiless>("LogicLog");
  EntityManager* entities = Engine::Get()->GetEntityManager();
  Dev()->Send(DevAction::kFirePhyObj, std::string("PhySphere"));
  EXPECT_NE(LogOf("InputLog").find("no thief"), std::string::npos);
  AddThief();
  const size_t before = entities->Count();
  Dev()->Send(DevAction::kFirePhyObj, std::string("NoSuchClass"));
  Dev()->Send(DevAction::kFirePhyObj, std::string("Bodiless"));
  EXPECT_NE(LogOf("InputLog").find("Bodiless has no Physical"), std::string::npos);
  Frame(0.01);
  EXPECT_EQ(entities->Count(), before) << "nothing is left behind";
}

TEST_F(DevControlsTest, TestCommandsWithoutKeys) {
  EntityManager* entities = Engine::Get()->GetEntityManager();
  const size_t before = entities->Count();
  Dev()->Send(DevAction::kCubeTest);
  EXPECT_EQ(entities->Count(), before + 20);

  // "LeafNum" steps by one and goes back to 0; missing, both the read and the write say so.
  Dev()->Send(DevAction::kTestLeaf);
  EXPECT_EQ(LastConsoleLines(2), " Couldn't get variable  LeafNum\n Couldn't set variable  LeafNum\n");
  int32_t leaf = 41;
  BindIntVariable("LeafNum", &leaf);
  Dev()->Send(DevAction::kTestLeaf);
  EXPECT_EQ(leaf, 42);
  Dev()->Send(DevAction::kResetLeaf);
  EXPECT_EQ(leaf, 0);
  bool notAnInt = false;
  BindBoolVariable("LeafNum", &notAnInt);
  Dev()->Send(DevAction::kTestLeaf);
  EXPECT_FALSE(notAnInt);
  EXPECT_NE(LogOf("EngineLog").find("Couldn't get variable LeafNum: it is a bool"), std::string::npos);
}

TEST_F(DevControlsTest, TheDustEffectStarts) {
  std::filesystem::copy_file(std::filesystem::path(VR_DATA_DIR) / "Data" / "dustConfig.xml", "Data/dustConfig.xml");
  ParticleManager* particles = Engine::Get()->GetParticleManager();
  const int32_t before = particles->EmitterCount();
  Tap("F");
  EXPECT_EQ(particles->EmitterCount(), before + 1);
}

// Typed text is read as a number, as for every console command; a raw value of the wrong size
// is refused and logged.
TEST_F(DevControlsTest, TheAnimationChangeReachesEveryModel) {
  DevThief* model = AddThief();
  Engine::Get()->Subscribe(model, "Models");
  Dev()->Send(DevAction::kChangeAnimation, 3);
  MessageArgs text = MessageArgs::FromText("2");
  text.SetText(true);
  Dev()->HandleMessage(DevAction::kChangeAnimation.Name(), &text);
  MessageArgs byte = MessageArgs::FromByte(true);
  Dev()->HandleMessage(DevAction::kChangeAnimation.Name(), &byte);
  EXPECT_EQ(model->told, (Strings{"SetCurrentAnimation(3)", "SetCurrentAnimation(2)"}));
  EXPECT_NE(LogOf("LogicLog").find(kParameterSizeMismatch), std::string::npos);
}

TEST_F(DevControlsTest, WhileTheConsoleIsOpenTheKeysAreTyped) {
  Tap("Grave");
  ASSERT_TRUE(Engine::Get()->GetConsole()->IsVisible());
  TapAll("ZQ");
  EXPECT_TRUE(ai.run);
  EXPECT_FALSE(ai.nodeEdit);
}

// From the in-game menu the clock stands: leaving must set it going, or the next game's delayed
// steps never fall due.
TEST_F(DevControlsTest, NineLeavesTheInGameMenuWithTheClockRunning) {
  GetLogic()->SetInGame(true);
  GetLogic()->UseControls("Game");
  Tap("Escape");
  ASSERT_TRUE(GetLogic()->IsInGameMenu());
  ASSERT_TRUE(Engine::Get()->GetTimer()->IsPaused());
  Tap("9");
  EXPECT_FALSE(GetLogic()->IsInGameMenu());
  EXPECT_FALSE(Engine::Get()->GetTimer()->IsPaused());
  EXPECT_FALSE(GetLogic()->IsInGame());
  EXPECT_EQ(GetLogic()->GetControlsName(), "Null");
}

}  // namespace
