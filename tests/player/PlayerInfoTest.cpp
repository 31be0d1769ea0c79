#include <gtest/gtest.h>

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

}  // namespace
