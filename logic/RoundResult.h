#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct ItemRecord;

// One thief's line of the end-of-round tally.
struct RoundResult {
  // The thief's deliveries; the tally shows and credits them from the back.
  std::vector<ItemRecord*> deliveredItems;
  // The thief's outfit 0 .. 3, which names its column.
  int32_t id = 0;
  // Counts up on screen towards the total.
  int32_t shownScore = 0;
  int32_t total = 0;
  // 1 .. 4 once the places are shown.
  int32_t place = 4;
  std::string gender;
};
