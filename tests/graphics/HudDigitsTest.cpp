// The HUD digit strips: centring, the clock's glyphs and the shift in a wide window.
#include <gtest/gtest.h>

#include "graphics/gui/HudDigits.h"

namespace {

std::vector<int> Glyphs(const std::vector<HudGlyph>& layout) {
  std::vector<int> glyphs;
  for (const HudGlyph& g : layout) glyphs.push_back(g.glyph);
  return glyphs;
}

TEST(HudDigits, ZeroAtScaleOneIsOneGlyphCentred) {
  const auto layout = LayoutHudNumber(0, 145, 55, 1.0f, 1024);
  ASSERT_EQ(layout.size(), 1u);
  EXPECT_EQ(layout[0].x, 145 - 23);
  EXPECT_EQ(layout[0].y, 55);
}

TEST(HudDigits, DigitsAdvanceByTheirWidthLessFiveScaled) {
  const auto layout = LayoutHudNumber(250, 500, 300, 1.5f, 1024);
  EXPECT_EQ(Glyphs(layout), (std::vector<int>{2, 5, 0}));
  // (46-5)*1.5 = 61, (41-5)*1.5 = 54, (51-5)*1.5 = 69: 184 wide, starting at 500 - 92.
  EXPECT_EQ(layout[0].x, 408);
  EXPECT_EQ(layout[1].x, 408 + 61);
  EXPECT_EQ(layout[2].x, 408 + 61 + 54);
}

TEST(HudDigits, ClockShowsMinutesSecondsAndSmallHundredths) {
  const auto layout = LayoutHudClock(395, 55, 75.5f, 1024);
  EXPECT_EQ(Glyphs(layout), (std::vector<int>{0, 1, 10, 1, 5, 13, 5, 0}));
  EXPECT_EQ(layout[6].scale, 0.5f);
  EXPECT_EQ(layout[6].y, 55 + 28);
  EXPECT_EQ(layout[1].x, 395 + 46);
  EXPECT_EQ(Glyphs(LayoutHudClock(395, 55, -3.0f, 1024)), (std::vector<int>{0, 0, 10, 0, 0, 13, 0, 0}));
}

TEST(HudDigits, AWideWindowShiftsTheStripsRightBy128) {
  EXPECT_EQ(LayoutHudNumber(7, 145, 55, 0.8f, 1280)[0].x, LayoutHudNumber(7, 145, 55, 0.8f, 1024)[0].x + 128);
  EXPECT_EQ(LayoutHudClock(395, 55, 1.0f, 1280)[0].x, 395 + 128);
}

}  // namespace
