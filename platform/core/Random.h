#pragma once

// The one random generator of the program, with the C runtime's classic range 0..32767 that
// the game's formulas assume; seedable so tests and replays are repeatable.
namespace platform {

constexpr int kRandMax = 32767;

void SeedRandom(unsigned seed);
int Random();  // 0..kRandMax

}  // namespace platform
