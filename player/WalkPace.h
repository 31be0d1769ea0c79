#pragma once
#include <cstdint>

// Which walk animation a thief plays and how fast: standing, sneaking below 100, walking below
// 350, running above, each sped up with the move speed within its band.
struct WalkPace {
  uint32_t animation = 0;
  float speed = 1.0f;
};

// `displacement` is the length of this frame's controller move.
WalkPace ChooseWalkPace(float displacement, float moveSpeed);
