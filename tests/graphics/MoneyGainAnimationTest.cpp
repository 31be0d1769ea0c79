// The score that flies into the money counter: its path, and the money credited only when it
// arrives, to a thief that still exists.
#include <gtest/gtest.h>

#include "graphics/gui/MoneyGainAnimation.h"
#include "tests/graphics/HudTestSupport.h"

namespace {

TEST_F(HudTest, AMoneyGainFliesFromTheMiddleIntoTheCounterInOneSecond) {
  StartHud();
  MoneyGainAnimation gain(250);
  gain.Start();
  EXPECT_FLOAT_EQ(gain.Value("x"), 500.0f);
  EXPECT_FLOAT_EQ(gain.Value("y"), 300.0f);
  EXPECT_FLOAT_EQ(gain.Value("scale"), 1.5f);
  EXPECT_FLOAT_EQ(gain.Value("alpha"), 1.0f);
  for (int i = 0; i < 10; ++i) {
    EXPECT_FLOAT_EQ(thief->info.money, 0.0f);
    clock.AdvanceSeconds(0.1);
    Engine::Get()->GetTimer()->Update();
    gain.Update();
  }
  EXPECT_FALSE(gain.IsActive());
  EXPECT_FLOAT_EQ(gain.Value("x"), 145.0f);
  EXPECT_FLOAT_EQ(gain.Value("y"), 55.0f);
  EXPECT_FLOAT_EQ(gain.Value("scale"), 0.8f);
  EXPECT_FLOAT_EQ(gain.Value("alpha"), 0.1f);
  EXPECT_FLOAT_EQ(thief->info.money, 250.0f);
}

TEST_F(HudTest, TwoGainsOfOneFrameBothFlyAndBothCredit) {
  StartHud();
  Animations().AddMoneyGain(250);
  Animations().AddMoneyGain(40);
  Tick(0.1);
  EXPECT_EQ(Animations().Size(), 2u);
  for (int i = 0; i < 9; ++i) Tick(0.1);
  EXPECT_EQ(Animations().Size(), 0u);
  EXPECT_FLOAT_EQ(thief->info.money, 290.0f);
}

TEST_F(HudTest, AGainOfAThiefDeletedOnTheWayIsLostWithoutHarm) {
  StartHud();
  Animations().AddMoneyGain(250);
  for (int i = 0; i < 5; ++i) Tick(0.1);
  Delete(thief);
  for (int i = 0; i < 6; ++i) Tick(0.1);
  EXPECT_EQ(Animations().Size(), 0u);
}

TEST_F(HudTest, ClearingTheAnimationsCreditsNothing) {
  StartHud();
  Animations().AddMoneyGain(250);
  Animations().AddBusted();
  for (int i = 0; i < 5; ++i) Tick(0.1);
  Animations().DeleteAll();
  EXPECT_EQ(Animations().Size(), 0u);
  for (int i = 0; i < 10; ++i) Tick(0.1);
  EXPECT_FLOAT_EQ(thief->info.money, 0.0f);
}

}  // namespace
