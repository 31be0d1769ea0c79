#include "platform/core/Random.h"

#include <cstdint>

namespace platform {
namespace {
uint32_t state = 1;
}

void SeedRandom(unsigned seed) { state = seed; }

int Random() {
  // The linear congruential step of the classic C runtime: same range, same spread.
  state = state * 214013u + 2531011u;
  return static_cast<int>((state >> 16) & 0x7fff);
}

}  // namespace platform
