#include <gtest/gtest.h>

#include <fstream>
#include <vector>

#include "entities/PlayerStart.h"
#include "entity/XmlWriter.h"
#include "tests/entities/LevelTestSupport.h"

namespace {

class PlayerStartTest : public LevelTest {
 protected:
  std::vector<PlayerStart*> Starts() const { return All<PlayerStart>(); }

  // Standing on a start: the physics may settle the body onto the floor, never sideways.
  void ExpectThiefAt(const PlayerStart& start) {
    const platform::Vector3 thief = Thief()->physical.GetPosition();
    const platform::Vector3 at = start.physical.GetPosition();
    EXPECT_NEAR(thief.x, at.x, 1.0f);
    EXPECT_NEAR(thief.y, at.y, 1.0f);
    EXPECT_EQ(Thief()->mapIndex.mapIndex, start.mapIndex.mapIndex);
  }
};

TEST_F(PlayerStartTest, TheLobbysStartsAreHandedOutInTurnBeginningWithTheSecond) {
  StartGame();
  const std::vector<PlayerStart*> starts = Starts();
  ASSERT_EQ(starts.size(), 4u) << "the lobby's four, none from the other maps";
  for (const PlayerStart* start : starts) EXPECT_EQ(start->mapIndex.mapIndex, 0u);
  EXPECT_NE(starts[0]->physical.GetPosition(), starts[1]->physical.GetPosition());
  Frame();
  ExpectThiefAt(*starts[1]);

  for (size_t next : {2u, 3u, 0u, 1u}) {
    LogicServices::Get()->MovePlayerToStart(*Thief());
    Frame();
    SCOPED_TRACE(next);
    ExpectThiefAt(*starts[next]);
  }
}

TEST_F(PlayerStartTest, StartsAreMarksNoThiefBumpsIntoAndADeletedStartLeavesTheList) {
  StartGame();
  std::vector<PlayerStart*> starts = Starts();
  ASSERT_EQ(starts.size(), 4u);
  for (const PlayerStart* start : starts) EXPECT_EQ(start->physical.createActor, 0);

  EntityManager* entities = Engine::Get()->GetEntityManager();
  entities->QueueDelete(starts[2]);
  entities->ProcessDeletions();
  starts = Starts();
  ASSERT_EQ(starts.size(), 3u);
  LogicServices::Get()->MovePlayerToStart(*Thief());
  Frame();
  ExpectThiefAt(*starts[2]);
}

TEST_F(PlayerStartTest, AStartSavesItsBodyAsAReferenceAndItsMapAsAVarHoldingTheIndex) {
  StartGame();
  PlayerStart* start = Starts()[1];
  start->mapIndex.mapIndex = 2;
  {
    XmlWriter w;
    w.Open("start.xml");
    w.WriteStartElement("var");
    start->Save(w);
    w.WriteEndElement();
    w.Close();
  }
  EXPECT_EQ(TempDir::Read("start.xml"),
            "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<var><var name=\"physical\"></var>"
            "<var name=\"mapIndexComp\"><int name=\"index\">2</int></var></var>");
  auto* copy = static_cast<PlayerStart*>(Engine::Get()->GetEntityManager()->CreateFromFile("PlayerStart", "start.xml"));
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->mapIndex.mapIndex, 2u);

  // An empty map element leaves the index as it was.
  std::ofstream("empty.xml") << "<var><var name=\"physical\"/><var name=\"mapIndexComp\"/></var>";
  copy = static_cast<PlayerStart*>(Engine::Get()->GetEntityManager()->CreateFromFile("PlayerStart", "empty.xml"));
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->mapIndex.mapIndex, 0u);
}

}  // namespace
