#include "player/WalkPace.h"

WalkPace ChooseWalkPace(float displacement, float s) {
  if (displacement < 0.1f) return {0, 1.0f};
  if (s < 100.0f) return {1, 0.85f + 1.2f * (1.0f - (100.0f - s) * 0.01f)};
  if (s < 350.0f) return {2, 0.75f + 0.5f * (1.0f - (350.0f - s) * 0.004f)};
  return {3, 0.75f + 0.35f * (1.0f - (500.0f - s) / 150.0f)};
}
