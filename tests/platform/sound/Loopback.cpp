#include "tests/platform/sound/Loopback.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace soundtest {
namespace {

size_t At(double seconds, size_t size) {
  return std::min(size, static_cast<size_t>(std::max(0.0, seconds) * kRate));
}

}  // namespace

Loopback::Loopback(int voices) {
  EXPECT_EQ(system_.InitLoopback(voices, kRate), platform::sound::Result::kOk)
      << system_.LastError();
}

Stereo Loopback::Render(double seconds, double frameGap) {
  const size_t total = static_cast<size_t>(seconds * kRate);
  const size_t step = std::max<size_t>(1, static_cast<size_t>(frameGap * kRate));
  Stereo out;
  std::vector<float> mixed(step * 2);
  for (size_t done = 0; done < total;) {
    const size_t frames = std::min(step, total - done);
    system_.RenderLoopback(mixed.data(), static_cast<int>(frames));
    for (size_t f = 0; f < frames; ++f) {
      out.left.push_back(mixed[2 * f]);
      out.right.push_back(mixed[2 * f + 1]);
    }
    done += frames;
    system_.Update();
  }
  return out;
}

double Rms(const std::vector<float>& samples, double begin, double end) {
  size_t from = At(begin, samples.size()), to = At(end, samples.size());
  if (to <= from) return 0.0;
  double sum = 0.0;
  for (size_t i = from; i < to; ++i) sum += static_cast<double>(samples[i]) * samples[i];
  return std::sqrt(sum / static_cast<double>(to - from));
}

double Frequency(const std::vector<float>& samples, double begin, double end) {
  size_t from = At(begin, samples.size()), to = At(end, samples.size());
  int crossings = 0;
  for (size_t i = from + 1; i < to; ++i) {
    if (samples[i - 1] < 0.0f && samples[i] >= 0.0f) ++crossings;
  }
  return to > from ? crossings * static_cast<double>(kRate) / static_cast<double>(to - from) : 0.0;
}

}  // namespace soundtest
