#include <gtest/gtest.h>

#include <algorithm>

#include "graphics/FramePulses.h"

namespace {

const platform::Color kAmbient{0.4f, 0.4f, 0.4f, 1};
const platform::Color kAlarm{1, 0.2f, 0.2f, 1};

TEST(AlarmPulseTest, SwingsBetweenTheAlarmColourAndTheAmbientOnceASecond) {
  AlarmPulse pulse;
  float low = 1, high = 0;
  int turns = 0;
  float lastD = pulse.d;
  for (int frame = 0; frame < 1000; ++frame) {  // ten seconds of frames
    const platform::Color c = pulse.Step(0.01f, kAmbient, kAlarm);
    EXPECT_FLOAT_EQ(c.r, pulse.t * kAmbient.r + (1 - pulse.t) * kAlarm.r);
    low = std::min(low, pulse.t);
    high = std::max(high, pulse.t);
    turns += pulse.d != lastD;
    lastD = pulse.d;
  }
  // One step (0.02) past either end at most, and a turn at each end every second.
  EXPECT_GE(low, -0.02f - 1e-5f);
  EXPECT_LE(high, 1.02f + 1e-5f);
  EXPECT_NEAR(turns, 20, 2);
}

TEST(AlarmPulseTest, StartsFromTheAlarmColour) {
  AlarmPulse pulse;
  const platform::Color c = pulse.Step(0, kAmbient, kAlarm);
  EXPECT_EQ(c, kAlarm);
}

TEST(TaserFlashTest, TogglesOnceMoreThanATenthOfASecondHasGone) {
  TaserFlash flash;
  EXPECT_EQ(flash.Step(0.06f), 0.0f);
  EXPECT_EQ(flash.Step(0.06f), 1.0f);
  EXPECT_EQ(flash.time, 0.0f);
  EXPECT_EQ(flash.Step(0.1f), 1.0f);  // exactly a tenth is not yet more
  EXPECT_EQ(flash.Step(0.01f), 0.0f);
}

}  // namespace
