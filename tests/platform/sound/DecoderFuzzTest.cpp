// Seeded mutation of small WAV and OGG files. Every mutant must be refused with a line naming
// it, or decode to an end within the length its header gives; some of those that open are
// also played. Runs in the normal suite under the sanitizers, whose leak check covers the
// decoders' failure paths.
#include <gtest/gtest.h>

#include <cstdio>

#include "platform/core/Random.h"
#include "platform/sound/Decoder.h"
#include "tests/platform/sound/Loopback.h"
#include "tests/platform/sound/SoundFiles.h"
#include "tests/support/Mutator.h"

namespace soundtest {
namespace {

using platform::sound::Decoder;

constexpr int kMutantsPerFile = 5000;
constexpr int kPlayEvery = 50;

const MutationLimits kLimits{4, 16, 64, {"OggS", "RIFF", "data", "fmt ", "\x01vorbis", "\x05vorbis"}};

uint32_t OggCrc(const char* data, size_t size) {
  uint32_t crc = 0;
  for (size_t i = 0; i < size; ++i) {
    crc ^= uint32_t(uint8_t(data[i])) << 24;
    for (int bit = 0; bit < 8; ++bit) crc = (crc << 1) ^ ((crc & 0x80000000u) ? 0x04C11DB7u : 0);
  }
  return crc;
}

// Gives every whole page its checksum again, so that damage inside pages reaches the Vorbis
// decoder instead of being dropped by the Ogg layer.
void RestoreOggChecksums(std::string& file) {
  for (size_t at = file.find("OggS"); at != std::string::npos && file.size() - at >= 27;
       at = file.find("OggS", at + 1)) {
    const size_t segments = uint8_t(file[at + 26]);
    if (file.size() - at - 27 < segments) break;
    size_t page = 27 + segments;
    for (size_t i = 0; i < segments; ++i) page += uint8_t(file[at + 27 + i]);
    if (page > file.size() - at) break;
    file.replace(at + 22, 4, 4, '\0');
    const uint32_t crc = OggCrc(&file[at], page);
    for (int i = 0; i < 4; ++i) file[at + 22 + i] = char(crc >> (8 * i));
  }
}

class DecoderFuzz : public LoopbackTest {
 protected:
  // Returns how many mutants opened.
  int FuzzFile(const std::string& original, unsigned seed) {
    platform::SeedRandom(seed);
    int opened = 0;
    for (int i = 0; i < kMutantsPerFile; ++i) {
      // A fresh file each time: truncating one in place makes the file system write it out.
      std::remove("mutant");
      std::string mutant = Mutate(original, kLimits);
      if (i % 2) RestoreOggChecksums(mutant);
      TempDir::Write("mutant", mutant);
      Result result;
      std::string error;
      std::unique_ptr<Decoder> decoder = Decoder::Open("mutant", i % 2, &result, &error);
      if (!decoder) {
        EXPECT_EQ(error.rfind("mutant: ", 0), 0u) << error;
        continue;
      }
      ++opened;
      // Sixteen bytes of a file cannot declare more than this many frames.
      EXPECT_GT(decoder->Frames(), 0);
      EXPECT_LT(decoder->Frames(), int64_t(original.size()) << 16);
      std::vector<int16_t> pcm;
      decoder->ReadAll(size_t(decoder->Frames()) + 4096, &pcm);
      decoder->Seek(decoder->Frames() / 2);
      if (i % kPlayEvery == 0) Play();
      if (testing::Test::HasFailure()) {
        ADD_FAILURE() << "mutant " << i << " of seed " << seed;
        break;
      }
    }
    return opened;
  }

  void Play() {
    Sound sample, stream;
    if (System().CreateSample("mutant", Dim::k3D, &sample) == Result::kOk)
      System().PlaySound(sample, false, nullptr);
    if (System().CreateStream("mutant", Dim::k2D, &stream) == Result::kOk) {
      stream.SetLoop(true);
      System().PlaySound(stream, false, nullptr);
    }
    loopback_.Render(0.05, 0.01);
    sample.Release();
    stream.Release();
  }
};

TEST_F(DecoderFuzz, MutantsAreRefusedOrDecodeToAnEnd) {
  ASSERT_TRUE(WriteTone("seed.wav", {.seconds = 0.05, .amplitudes = {0.5, 0.3}}));
  ASSERT_TRUE(WriteTone("seed.ogg", {.seconds = 0.2, .format = Format::kOgg}));
  EXPECT_GT(FuzzFile(TempDir::Read("seed.wav"), 7), kMutantsPerFile / 10);
  EXPECT_GT(FuzzFile(TempDir::Read("seed.ogg"), 8), kMutantsPerFile / 20);
}

}  // namespace
}  // namespace soundtest
