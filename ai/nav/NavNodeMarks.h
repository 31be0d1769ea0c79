#pragma once
#include <cstdint>

// The marks that the developer keys set on a navigation node, one byte each.
struct NavNodeMarks {
  // The node stands at a teleporter; the developer keys leave it alone.
  uint8_t teleporter = 0;
  uint8_t deleted = 0;
  uint8_t excluded = 0;
};
