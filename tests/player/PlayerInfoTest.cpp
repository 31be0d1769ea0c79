#include <gtest/gtest.h>

#include "physics/BoundingData.h"
#include "player/PlayerInfo.h"

namespace {

TEST(PlayerInfoTest, AThiefStartsWithAFullBatteryOneBoxAndTwoSmokeGrenades) {
  PlayerInfo info;
  EXPECT_EQ(info.battery, 100);
  EXPECT_EQ(info.boxes, 1);
  EXPECT_EQ(info.smokeGrenades, 2);
  EXPECT_EQ(info.gender, "male");
  EXPECT_EQ(info.carriedItem, nullptr);
  EXPECT_FALSE(info.userControlled);
}

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

TEST(PlayerInfoTest, BoxAndSmokeStocksHaveNoUpperLimit) {
  PlayerInfo info;
  for (int i = 0; i < 50; ++i) {
    info.AddBox();
    info.AddSmokeGrenade();
  }
  EXPECT_EQ(info.boxes, 51);
  EXPECT_EQ(info.smokeGrenades, 52);
}

TEST(BoundingDataTest, UnloadedModelLeavesZeroSizesAndNoChange) {
  BoundingData bounds;
  EXPECT_EQ(bounds.halfSizeX + bounds.halfSizeY + bounds.halfSizeZ, 0.0f);
  EXPECT_FALSE(bounds.changed);
}

}  // namespace
