#include "platform/video/FrameTimes.h"

#include <cmath>

namespace platform::video {
namespace {

constexpr double kDefaultStep = 1.0 / 25.0;
constexpr double kMinStep = 1.0 / 1000.0;
constexpr double kMaxStep = 2.0;
// The longest still a film may hold between two pictures before the time is taken for damage.
constexpr double kMaxGap = 10.0;

}  // namespace

FrameTimes::FrameTimes(double step)
    : step_(std::isfinite(step) && step > 0.0 ? std::fmin(std::fmax(step, kMinStep), kMaxStep)
                                              : kDefaultStep) {}

double FrameTimes::Next(double stated) {
  const double earliest = any_ ? last_ : 0.0;
  const double expected = any_ ? last_ + step_ : 0.0;
  // Written so that NaN also fails the test.
  const bool usable = stated >= earliest && stated <= expected + kMaxGap;
  last_ = usable ? stated : expected;
  any_ = true;
  return last_;
}

double FrameTimes::End() const { return any_ ? last_ + step_ : 0.0; }

}  // namespace platform::video
