// Seeded mutation of small images of every format the program reads. Every mutant must be
// refused with a reason or read whole; runs in the normal suite under the sanitizers.
#include <gtest/gtest.h>

#include "platform/core/Random.h"
#include "platform/render/ImageData.h"
#include "tests/platform/render/TestImages.h"
#include "tests/support/Mutator.h"

using namespace platform;
using namespace testimages;

namespace {

constexpr int kMutantsPerImage = 2000;

// Chunk and marker names, so that mutants reach past the first structural check.
const MutationLimits kLimits{4, 8, 32, {"IDAT", "IEND", "PLTE", "\xff\xc4", "\xff\xda", "DXT1", "BM"}};

// Returns how many mutants were read.
int FuzzImage(const std::string& original, unsigned seed) {
  SeedRandom(seed);
  int read = 0;
  for (int i = 0; i < kMutantsPerImage; ++i) {
    const std::string file = Mutate(original, kLimits);
    ImageData image;
    std::string error;
    if (!DecodeImage(Bytes(file), &image, &error)) {
      EXPECT_FALSE(error.empty());
      continue;
    }
    ++read;
    EXPECT_FALSE(image.levels.empty());
    DecompressImage(image);
    for (const ImageLevel& level : image.levels)
      EXPECT_EQ(level.bytes.size(), size_t(level.width) * level.height * 4);
    if (testing::Test::HasFailure()) {
      ADD_FAILURE() << "mutant " << i << " of seed " << seed;
      break;
    }
  }
  return read;
}

TEST(ImageFuzz, MutantsOfEveryFormatAreRefusedOrReadWhole) {
  std::string tga = WhiteTga() + std::string(63 * 4, '\x40');
  tga[12] = tga[14] = 8;
  const std::string seeds[] = {
      GreyPng(8, 8),
      GreenBmp(),
      tga,
      Jpeg(),
      Argb8888Dds(8, 8, 0x11223344),
      DdsHeader(8, 8, 4, 0x4, "DXT5", 0, 0, 0, 0, 0) + std::string(64 + 16 * 3, '\x5a'),
  };
  unsigned seed = 1;
  for (const std::string& original : seeds) EXPECT_GT(FuzzImage(original, seed++), kMutantsPerImage / 50);
}

}  // namespace
