#pragma once
#include <gtest/gtest.h>

#include <vector>

#include "platform/sound/System.h"
#include "tests/support/TempDir.h"

// A sound system mixing into memory, and measures of what it mixed.
namespace soundtest {

using platform::sound::Channel;
using platform::sound::Dim;
using platform::sound::Result;
using platform::sound::Sound;
using platform::sound::Vec3;

constexpr int kRate = 44100;

struct Stereo {
  std::vector<float> left, right;
};

class Loopback {
 public:
  explicit Loopback(int voices = 100);
  platform::sound::System& System() { return system_; }
  // Mixes `seconds` of sound, calling Update every `frameGap` seconds as the game's frames would.
  Stereo Render(double seconds, double frameGap = 0.1);

 private:
  platform::sound::System system_;
};

// A fixture with its own working folder and a small loopback system.
class LoopbackTest : public ::testing::Test {
 protected:
  platform::sound::System& System() { return loopback_.System(); }
  TempDir dir_;
  Loopback loopback_{8};
};

// Root mean square of a stretch of samples [begin, end) (in seconds).
double Rms(const std::vector<float>& samples, double begin, double end);
// Frequency from the rising zero crossings of [begin, end).
double Frequency(const std::vector<float>& samples, double begin, double end);

}  // namespace soundtest
