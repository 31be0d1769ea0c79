#include "graphics/FramePulses.h"

platform::Color AlarmPulse::Step(float delta, const platform::Color& ambient, const platform::Color& alarm) {
  t += delta * d * 2.0f;
  if (t > 1.0f) {
    d = -1.0f;
  } else if (t < 0.0f) {
    d = 1.0f;
  }
  return t * ambient + (1.0f - t) * alarm;
}

float TaserFlash::Step(float delta) {
  time += delta;
  if (time > 0.1f) {
    time = 0.0f;
    value = value == 0.0f ? 1.0f : 0.0f;
  }
  return value;
}
