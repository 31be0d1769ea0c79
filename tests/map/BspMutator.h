#pragma once
#include <cstdint>
#include <cstring>
#include <iterator>
#include <random>
#include <vector>

#include "map/BspFormat.h"
#include "tests/support/Mutator.h"

// Mutates a map in memory, aiming most changes at the header and the structural lumps,
// where a wrong value would send a reader out of bounds; the rest is the shared byte damage.
class BspMutator {
 public:
  explicit BspMutator(uint32_t seed) : random_(seed) { platform::SeedRandom(seed); }

  std::vector<uint8_t> Mutate(const std::vector<uint8_t>& original) {
    std::vector<uint8_t> bytes = original;
    int changes = 1 + int(random_() % 4);
    for (int i = 0; i < changes && bytes.size() >= size_t(kBspHeaderSize); ++i) {
      switch (random_() % 4) {
        case 0: bytes[random_() % kBspHeaderSize] = uint8_t(random_()); break;
        case 1: PutInt(bytes, 8 + 4 * (random_() % (2 * kBspLumpCount)), bytes.size()); break;
        case 2: PutInt(bytes, StructuralOffset(bytes), bytes.size()); break;
        default: {  // damage anywhere, as to any file
          const std::string damaged = ::Mutate(std::string(bytes.begin(), bytes.end()), kAnywhere);
          bytes.assign(damaged.begin(), damaged.end());
          break;
        }
      }
    }
    return bytes;
  }

 private:
  // A 4-byte aligned position inside one of the lumps that hold counts and indices.
  size_t StructuralOffset(const std::vector<uint8_t>& bytes) {
    static const int kLumps[] = {kLumpNodes, kLumpLeaves, kLumpLeafFaces, kLumpFaces,
                                 kLumpModels, kLumpMeshVertices, kLumpBrushes, kLumpVisibility};
    BspHeader header;
    std::memcpy(&header, bytes.data(), sizeof header);
    const BspLumpEntry& e = header.lumps[kLumps[random_() % std::size(kLumps)]];
    if (e.offset < kBspHeaderSize || e.length < 4 || size_t(e.offset) + e.length > bytes.size())
      return random_() % (bytes.size() - 3);
    return size_t(e.offset) + 4 * (random_() % (size_t(e.length) / 4));
  }

  void PutInt(std::vector<uint8_t>& bytes, size_t at, size_t fileSize) {
    if (at + 4 > bytes.size()) return;
    int32_t old;
    std::memcpy(&old, bytes.data() + at, 4);
    uint32_t near = uint32_t(old);  // wrapping arithmetic: no overflow in the test itself
    const int32_t values[] = {0, 1, -1, -2, 0x7fffffff, INT32_MIN, 0x10000, int32_t(fileSize),
                              int32_t(near + 1), int32_t(near - 1), int32_t(near * 2),
                              int32_t(random_())};
    int32_t v = values[random_() % std::size(values)];
    std::memcpy(bytes.data() + at, &v, 4);
  }

  inline static const MutationLimits kAnywhere{1, 8, 32, {}};
  std::mt19937 random_;
};
