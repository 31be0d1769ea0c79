#pragma once
#include <cstdint>

// The AI settings the agents read. Ranges of sight are squared distances; radii are distances.
struct AgentSettings {
  bool enableAI = true;
  bool chaseThieves = true;
  bool avoidGuards = true;
  int32_t maxGuards = 6;
  int32_t maxThieves = 3;
  float tripLaserStunTime = 10.0f;
  float itemStealRadius = 600.0f;
  float tripDisableRadius = 500.0f;
  float guardVisionRange = 360000.0f;
  float thiefVisionRange = 250000.0f;
  float listenRangeModifier = 1.0f;
};
