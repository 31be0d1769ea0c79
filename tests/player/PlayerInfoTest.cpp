#include <gtest/gtest.h>

#include "entities/ItemRecord.h"
#include "entity/EntityManager.h"
#include "player/PlayerInfo.h"

namespace {

TEST(PlayerInfoTest, BatteriesFillUpToAHundredAndNoFurther) {
  PlayerInfo info;
  info.battery = 0;
  std::vector<int> levels;
  for (int i = 0; i < 11; ++i) {
    info.AddBattery();
    levels.push_back(info.battery);
  }
  EXPECT_EQ(levels, (std::vector<int>{10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 100}));
}

TEST(PlayerInfoTest, GadgetStockIsSpentDownToNothingAndRefilledAtAStart) {
  PlayerInfo info;
  info.SpendBattery(95);
  info.SpendBattery(10);
  EXPECT_EQ(info.battery, 0) << "no battery below empty";
  EXPECT_TRUE(info.EnterBox());
  EXPECT_EQ(info.boxes, 0);
  info.LeaveBox();
  EXPECT_FALSE(info.EnterBox()) << "no box left to enter";
  EXPECT_FALSE(info.inBox);
  info.FlipBox();
  EXPECT_FALSE(info.inBox) << "the developer's key needs a box too";
  info.smokeGrenades = 0;
  info.RefillGadgets();
  EXPECT_EQ(info.battery, PlayerInfo::kMaxBattery);
  EXPECT_EQ(info.boxes, 1);
  EXPECT_EQ(info.smokeGrenades, 2);
}

TEST(PlayerInfoTest, TheCarriedItemIsLetGoOnceWhetherDeliveredOrDropped) {
  EntityManager entities;
  PlayerInfo info;
  ItemRecord vase, coin;
  EXPECT_EQ(info.DeliverItem(entities), nullptr) << "empty hands deliver nothing";
  EXPECT_TRUE(info.deliveredItems.empty());
  info.TakeItem(vase, nullptr, nullptr);
  EXPECT_EQ(info.DeliverItem(entities), &vase);
  EXPECT_EQ(info.carriedItem, nullptr);
  info.TakeItem(coin, nullptr, nullptr);
  EXPECT_EQ(info.DropCarriedItem(entities), &coin);
  EXPECT_EQ(info.DropCarriedItem(entities), nullptr) << "dropped once";
  EXPECT_EQ(info.deliveredItems, std::vector<ItemRecord*>{&vase}) << "a dropped item is not delivered";
}

}  // namespace
