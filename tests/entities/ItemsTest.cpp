#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "entities/Item.h"
#include "entities/ItemDropoff.h"
#include "entities/ItemRecord.h"
#include "entities/ItemSpawn.h"
#include "tests/entities/LevelTestSupport.h"

namespace {

class ItemsTest : public LevelTest {
 protected:
  void Steal(Item& item) {
    item.OnTouch(Thief());
    Frame();
  }
  // Stands the thief at the lobby's first drop-off arrow, where the round's rules deliver.
  void Deliver() {
    const std::vector<ItemDropoff*> dropoffs = All<ItemDropoff>();
    ASSERT_FALSE(dropoffs.empty());
    Thief()->physical.SetPosition(dropoffs[0]->physical.GetPosition());
    Frame();
  }
};

TEST_F(ItemsTest, EverySpawnShowsTheFirstFreeRecordOfItsAreaAndAllFaceOneWay) {
  StartGame();
  const std::vector<ItemSpawn*> spawns = All<ItemSpawn>();
  const std::vector<Item*> items = All<Item>();
  ASSERT_EQ(spawns.size(), 14u);
  ASSERT_EQ(items.size(), 14u);
  for (size_t i = 0; i < items.size(); ++i) {
    SCOPED_TRACE(i);
    ASSERT_NE(items[i]->record, nullptr);
    EXPECT_EQ(items[i]->record->placement.Get(), spawns[i]);
    EXPECT_EQ(items[i]->record->areaName, spawns[i]->areaName);
    EXPECT_TRUE(spawns[i]->occupied);
    EXPECT_EQ(items[i]->mapIndex.mapIndex, spawns[i]->mapIndex.mapIndex);
    EXPECT_EQ(items[i]->physical.GetPosition(), spawns[i]->physical.GetPosition());
  }
  EXPECT_EQ(items[0]->record->modelName, "vase");
  EXPECT_EQ(items[0]->record->worth, 50);

  Frame();
  const platform::Quaternion facing = items[0]->physical.GetOrientation();
  for (Item* item : items) EXPECT_EQ(item->physical.GetOrientation(), facing);
}

TEST_F(ItemsTest, ATakenItemIsCarriedOneAtATimeAndDeliveredForItsWorth) {
  StartGame();
  std::vector<Item*> items = All<Item>();
  ItemRecord* first = items[0]->record;
  auto* spawn = static_cast<ItemSpawn*>(first->placement.Get());
  Steal(*items[0]);
  EXPECT_EQ(Thief()->info.carriedItem, first);
  EXPECT_EQ(All<Item>().size(), 13u);
  EXPECT_TRUE(spawn->occupied) << "a carried item keeps its spawn";

  Item* second = All<Item>()[0];
  ItemRecord* secondRecord = second->record;
  Steal(*second);
  EXPECT_EQ(Thief()->info.carriedItem, first) << "full hands take nothing";
  EXPECT_EQ(second->record, secondRecord);
  EXPECT_EQ(All<Item>().size(), 13u);

  Deliver();
  EXPECT_EQ(Thief()->info.carriedItem, nullptr);
  EXPECT_EQ(Thief()->info.deliveredItems, std::vector<ItemRecord*>{first});
  EXPECT_FALSE(spawn->occupied);
  EXPECT_EQ(All<Item>().size(), 13u) << "no refill while other spawns hold items";
}

TEST_F(ItemsTest, ABustedThiefsItemReturnsToItsOwnSpawn) {
  StartGame();
  Item* item = All<Item>()[5];
  ItemRecord* record = item->record;
  const platform::Vector3 home = item->physical.GetPosition();
  Steal(*item);
  Thief()->physical.SetPosition({0, 0, 100});
  LogicServices::Get()->RespawnItem(*Thief()->info.carriedItem);
  Frame();
  const std::vector<Item*> items = All<Item>();
  ASSERT_EQ(items.size(), 14u);
  EXPECT_EQ(items.back()->record, record);
  EXPECT_EQ(items.back()->physical.GetPosition(), home);
}

// Each refill puts every delivered record back once: delivering the whole museum twice leaves
// fourteen exhibits, not twenty-eight.
TEST_F(ItemsTest, AnEmptiedMuseumIsRefilledOnceWithEveryDeliveredRecord) {
  StartGame();
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round);
    for (int i = 0; i < 14; ++i) {
      std::vector<Item*> items = All<Item>();
      ASSERT_FALSE(items.empty());
      Steal(*items[0]);
      Deliver();
    }
    Frame();
    EXPECT_EQ(All<Item>().size(), 14u);
  }
  EXPECT_EQ(Thief()->info.deliveredItems.size(), 28u);
  std::map<const ItemRecord*, int> shown;
  for (Item* item : All<Item>()) ++shown[item->record];
  EXPECT_EQ(shown.size(), 14u);
}

}  // namespace
