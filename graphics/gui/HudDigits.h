#pragma once
#include <vector>

// The digit strips of the HUD: the money counter and the round clock, laid out on the 1024-wide
// HUD area and centred in a wider window. Glyphs 0-9 are digits; 10 and 13 separate the clock.
struct HudGlyph {
  int glyph = 0;
  int x = 0;
  int y = 0;
  float scale = 1.0f;
};

// `value` in decimal, centred on x, at `scale`; a negative value shows as 0.
std::vector<HudGlyph> LayoutHudNumber(int value, int x, int y, float scale, int windowWidth);
// mm:ss.hh, the hundredths at half size; negative seconds count as 0 and a clock beyond two
// digits of minutes stands at 99:59.99.
std::vector<HudGlyph> LayoutHudClock(int x, int y, float seconds, int windowWidth);

// Draw the layouts with "gui/numbersYellow.dds" (tinted by alpha) and "gui/numbersWhite.dds"
// into the open sprite batch of the graphics system.
void DrawHudNumber(int value, int x, int y, float scale, float alpha);
void DrawHudClock(int x, int y, float seconds);
