#include <gtest/gtest.h>

#include <filesystem>

#include "logic/LogicCmds.h"
#include "logic/LogicMessages.h"
#include "map/BspMap.h"
#include "physics/Physics.h"
#include "tests/logic/LogicTestSupport.h"

namespace {

constexpr const char* kSizeMismatch = "Variable size does not match expected variable size";
constexpr const char* kWrongCount = "Incorrect number of parameters";

void Send(const std::string& command, MessageArgs args) {
  Engine::Get()->GetLogic()->GetCommandEntity()->HandleMessage(command, &args);
}


class LogicCmdsTest : public LogicTest {};

// Each arrival of "ClickStartGame" posts its two follow-up steps; one broadcast on any of the
// three channels must post exactly two.
TEST_F(LogicCmdsTest, ACommandOnEachChannelArrivesOnce) {
  Engine* engine = StartLogic();
  MessageQueue* queue = engine->GetMessageQueue();
  size_t posted = queue->DelayedCount();
  for (const char* channel : {"GUICmd", "AlarmCmd", "ConsoleCmd"}) {
    engine->Broadcast(kClickStartGame, channel);
    EXPECT_EQ(queue->DelayedCount(), posted + 2) << channel;
    posted = queue->DelayedCount();
  }
}

TEST_F(LogicCmdsTest, UnknownCommandsAndStrayArgumentsAreIgnored) {
  Engine* engine = StartLogic();
  engine->GetCommandDispatcher()->Execute("nosuchcommand 1 2", "ConsoleCmd");
  // A command without parameters runs whatever it is given.
  const size_t posted = engine->GetMessageQueue()->DelayedCount();
  Send("ClickStartGame", MessageArgs::FromWord(int32_t{7}));
  EXPECT_EQ(engine->GetMessageQueue()->DelayedCount(), posted + 2);
  EXPECT_EQ(NewLogicLog(), "");
}

TEST_F(LogicCmdsTest, LockVisTakesTextOrAByteAndRefusesOtherSizes) {
  Engine* engine = StartLogic();
  BspMap* map = engine->GetCurrentMap();
  ASSERT_NE(map, nullptr);
  engine->GetCommandDispatcher()->Execute("lockvis true", "ConsoleCmd");
  EXPECT_TRUE(map->IsVisLocked());
  engine->GetCommandDispatcher()->Execute("lockvis yes", "ConsoleCmd");
  EXPECT_FALSE(map->IsVisLocked());
  Send("lockvis", MessageArgs::FromByte(true));
  EXPECT_TRUE(map->IsVisLocked());

  Send("lockvis", MessageArgs::FromWord(int32_t{0}));
  EXPECT_TRUE(map->IsVisLocked());
  EXPECT_EQ(NewLogicLog(), std::string(kSizeMismatch) + "\n");
  Send("lockvis", MessageArgs());
  Send("lockvis", MessageArgs::FromTwoTexts("false", "false"));
  EXPECT_TRUE(map->IsVisLocked());
  EXPECT_EQ(NewLogicLog(), std::string(kSizeMismatch) + "\n" + kWrongCount + "\n" + kWrongCount + "\n");
}

TEST_F(LogicCmdsTest, MapTo3dsRefusesAnythingButOneText) {
  StartLogic();
  Send("mapto3ds", MessageArgs::FromWord(int32_t{2}));
  Send("mapto3ds", MessageArgs::FromTwoTexts("a.3ds", "b.3ds"));
  EXPECT_EQ(NewLogicLog(), std::string(kSizeMismatch) + "\n" + kWrongCount + "\n");
  EXPECT_FALSE(std::filesystem::exists("a.3ds"));
}

class LoadedMuseumTest : public LogicTest {
 protected:
  Engine* StartWithMuseum() {
    CopyDemoMaps();
    Engine* engine = StartLogic();
    GetLogic()->GetMaps().Load({"lobby.bsp", "gallery.bsp", "vault.bsp"});
    return engine;
  }
};

TEST_F(LoadedMuseumTest, BeforeAnyMapIsCurrentTheDefaultMapIs) {
  Engine* engine = StartWithMuseum();
  ASSERT_EQ(GetLogic()->GetMaps().GetCount(), 3u);
  EXPECT_EQ(GetLogic()->GetCurrentMapIndex(), -1);
  EXPECT_FALSE(engine->GetCurrentMap()->IsLoaded());
  EXPECT_EQ(GetLogic()->GetMaps().GetName(1), "gallery.bsp");
}

TEST_F(LoadedMuseumTest, MapIndexTakesTypedTextAndCodedValues) {
  Engine* engine = StartWithMuseum();
  engine->GetCommandDispatcher()->Execute("mapIndex 2", "ConsoleCmd");
  EXPECT_EQ(GetLogic()->GetCurrentMapIndex(), 2);
  EXPECT_EQ(engine->GetCurrentMap()->GetPath(), "Maps/vault.bsp");
  EXPECT_EQ(engine->GetCurrentMap()->GetMapIndex(), 2);
  Send("mapIndex", MessageArgs::FromWord(int32_t{0}));
  EXPECT_EQ(GetLogic()->GetCurrentMapIndex(), 0);
  Send("mapIndex", MessageArgs::FromWord(int32_t{2}));
  EXPECT_EQ(GetLogic()->GetCurrentMapIndex(), 2);
  Send("mapIndex", MessageArgs::FromWord(int32_t{-1}));
  EXPECT_EQ(GetLogic()->GetCurrentMapIndex(), -1);
  EXPECT_EQ(NewLogicLog(), "");
}

// The typed number is not checked by the console: an index naming no loaded map must not
// reach the maps.
TEST_F(LoadedMuseumTest, MapIndexRefusesIndicesOfNoLoadedMap) {
  Engine* engine = StartWithMuseum();
  Send("mapIndex", MessageArgs::FromWord(int32_t{1}));
  engine->GetCommandDispatcher()->Execute("mapIndex 3", "ConsoleCmd");
  Send("mapIndex", MessageArgs::FromWord(int32_t{-2}));
  Send("mapIndex", MessageArgs::FromByte(true));
  EXPECT_EQ(GetLogic()->GetCurrentMapIndex(), 1);
  EXPECT_EQ(NewLogicLog(),
            "No loaded map has the index 3\nNo loaded map has the index -2\n" + std::string(kSizeMismatch) + "\n");
}

TEST_F(LoadedMuseumTest, MapTo3dsWritesTheCurrentMap) {
  Engine* engine = StartWithMuseum();
  GetLogic()->SetCurrentMap(0);
  engine->GetCommandDispatcher()->Execute("mapto3ds lobby.3ds", "ConsoleCmd");
  ASSERT_TRUE(std::filesystem::exists("lobby.3ds"));
  const std::string bytes = TempDir::Read("lobby.3ds");
  ASSERT_GE(bytes.size(), 6u);
  EXPECT_EQ(static_cast<uint8_t>(bytes[0]), 0x4D);
  EXPECT_EQ(static_cast<uint8_t>(bytes[1]), 0x4D);
  const size_t vertices = engine->GetCurrentMap()->Data().vertices.size();
  EXPECT_GT(bytes.size(), 12 * vertices);
}

// The hall and the Egyptian room of the lobby are different clusters.
TEST_F(LoadedMuseumTest, LockVisFreezesTheVisibleSetWhileTheCameraMoves) {
  Engine* engine = StartWithMuseum();
  GetLogic()->SetCurrentMap(0);
  BspMap* lobby = engine->GetCurrentMap();
  const platform::Vector3 hall{300, -250, 60}, egyptian{300, -1300, 60};
  ASSERT_NE(lobby->GetClusterAt(hall), lobby->GetClusterAt(egyptian));
  lobby->UpdateCameraCluster(&hall);
  ASSERT_EQ(lobby->GetCameraCluster(), lobby->GetClusterAt(hall));

  engine->GetCommandDispatcher()->Execute("lockvis true", "ConsoleCmd");
  lobby->UpdateCameraCluster(&egyptian);
  EXPECT_EQ(lobby->GetCameraCluster(), lobby->GetClusterAt(hall));

  engine->GetCommandDispatcher()->Execute("lockvis false", "ConsoleCmd");
  lobby->UpdateCameraCluster(&egyptian);
  EXPECT_EQ(lobby->GetCameraCluster(), lobby->GetClusterAt(egyptian));
}

TEST_F(LogicCmdsTest, PurgePhyDeletesThePhysicsTestBodies) {
  Engine* engine = StartLogic([] { return new Physics(); });
  EntityManager* entities = engine->GetEntityManager();
  const uint32_t cube = entities->Create("PhyCube")->GetId();
  const uint32_t sphere = entities->Create("PhySphere")->GetId();
  Frame();
  engine->GetCommandDispatcher()->Execute("purgephy", "ConsoleCmd");
  Frame();
  EXPECT_EQ(entities->FindEntity(cube), nullptr);
  EXPECT_EQ(entities->FindEntity(sphere), nullptr);
  EXPECT_EQ(engine->GetPhysics()->TestBodyCount(), 0u);
}

}  // namespace
