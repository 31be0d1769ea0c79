#pragma once
#include "platform/math/Color.h"

// The alarm's pulse of the ambient light: t runs at 2 a second between the alarm colour (0)
// and the ambient colour (1), turning back once it has passed an end, so it may overshoot by
// one frame's step. Kept across frames; a frame without the alarm leaves it where it was.
struct AlarmPulse {
  float t = 0.0f;
  float d = 1.0f;

  // Moves the pulse on by one frame and gives that frame's ambient colour.
  platform::Color Step(float delta, const platform::Color& ambient, const platform::Color& alarm);
};

// The frozen guards' flash: on and off, a tenth of a second each.
struct TaserFlash {
  float time = 0.0f;
  float value = 0.0f;

  // Moves the flash on by one frame and gives its value, 0 or 1.
  float Step(float delta);
};
