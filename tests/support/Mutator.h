#pragma once
#include <cstddef>
#include <iterator>
#include <string>
#include <vector>

#include "platform/core/Random.h"

// Seeded byte mutation for the fuzz tests of the file readers: flipped bits, random bytes,
// cut runs, runs copied from elsewhere in the file, extreme 4-byte values, dictionary pieces
// (tokens a format's reader is sensitive to) and truncation. Seed with platform::SeedRandom.
struct MutationLimits {
  int maxEdits = 4;
  size_t maxErase = 8;
  size_t maxCopy = 32;
  std::vector<std::string> pieces;
};

inline size_t PickBelow(size_t n) {
  const size_t r = (size_t(platform::Random()) << 15) | size_t(platform::Random());
  return n ? r % n : 0;
}

inline std::string Mutate(std::string s, const MutationLimits& limits) {
  const int edits = 1 + int(PickBelow(size_t(limits.maxEdits)));
  for (int e = 0; e < edits && !s.empty(); ++e) {
    const size_t at = PickBelow(s.size());
    switch (PickBelow(7)) {
      case 0:
        s[at] = char(s[at] ^ (1 << PickBelow(8)));
        break;
      case 1:
        s[at] = char(PickBelow(256));
        break;
      case 2:
        s.erase(at, 1 + PickBelow(limits.maxErase));
        break;
      case 3:
        if (!limits.pieces.empty()) {
          s.insert(at, limits.pieces[PickBelow(limits.pieces.size())]);
          break;
        }
        [[fallthrough]];
      case 4:  // a size or count field set to something extreme
        s.replace(at, 4, PickBelow(2) ? std::string(4, '\xff') : std::string(4, '\0'));
        break;
      case 5:
        s.insert(at, s.substr(PickBelow(s.size()), PickBelow(limits.maxCopy)));
        break;
      default:
        s.resize(at);
        break;
    }
  }
  return s;
}
