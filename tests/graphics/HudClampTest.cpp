// The digit strips never reach past their 14 glyphs, whatever number or clock they are given.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "graphics/gui/HudDigits.h"

namespace {

std::vector<int> Glyphs(const std::vector<HudGlyph>& layout) {
  std::vector<int> glyphs;
  for (const HudGlyph& g : layout) glyphs.push_back(g.glyph);
  return glyphs;
}

TEST(HudClamp, ANegativeNumberShowsAsZero) {
  EXPECT_EQ(Glyphs(LayoutHudNumber(-250, 145, 55, 0.8f, 1024)), (std::vector<int>{0}));
  EXPECT_EQ(Glyphs(LayoutHudNumber(std::numeric_limits<int>::min(), 145, 55, 0.8f, 1024)), (std::vector<int>{0}));
  EXPECT_EQ(LayoutHudNumber(-1, 145, 55, 1.0f, 1024)[0].x, 145 - 23);
}

TEST(HudClamp, AClockOfAHundredMinutesOrMoreStandsAtItsLongest) {
  const std::vector<int> longest{9, 9, 10, 5, 9, 13, 9, 9};
  EXPECT_EQ(Glyphs(LayoutHudClock(395, 55, 99 * 60 + 59.99f, 1024)), longest);
  EXPECT_EQ(Glyphs(LayoutHudClock(395, 55, 100 * 60.0f, 1024)), longest);
  EXPECT_EQ(Glyphs(LayoutHudClock(395, 55, 140 * 60.0f, 1024)), longest);
  EXPECT_EQ(Glyphs(LayoutHudClock(395, 55, 1e30f, 1024)), longest);
  EXPECT_EQ(Glyphs(LayoutHudClock(395, 55, std::numeric_limits<float>::infinity(), 1024)), longest);
  EXPECT_EQ(Glyphs(LayoutHudClock(395, 55, 99 * 60 + 58.5f, 1024)), (std::vector<int>{9, 9, 10, 5, 8, 13, 5, 0}));
}

TEST(HudClamp, AClockOfNothingAtAllShowsZero) {
  EXPECT_EQ(Glyphs(LayoutHudClock(395, 55, std::nanf(""), 1024)), (std::vector<int>{0, 0, 10, 0, 0, 13, 0, 0}));
}

}  // namespace
