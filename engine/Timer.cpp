#include "engine/Timer.h"

#include "platform/core/Clock.h"

Timer::Timer() {
  platform::Clock& clock = platform::GetClock();
  secondsPerCount_ = 1.0 / static_cast<double>(clock.Frequency());
  lastCount_ = startCount_ = clock.Counter();
  // Game time starts at zero, so a delay posted before the first frame runs its full length.
  time_ = static_cast<double>(startCount_) * secondsPerCount_;
}

void Timer::Update() {
  const int64_t maxCounts = static_cast<int64_t>(0.1 / secondsPerCount_);
  int64_t now = platform::GetClock().Counter();
  int64_t diff = now - lastCount_;
  lastCount_ = now;
  if (diff > maxCounts) diff = maxCounts;
  delta_ = static_cast<double>(diff) * secondsPerCount_;
  if (!paused_) time_ = static_cast<double>(now) * secondsPerCount_;
}

double Timer::GetTime() const { return time_ - static_cast<double>(startCount_) * secondsPerCount_; }

double Timer::GetRealTime() const {
  return static_cast<double>(platform::GetClock().Counter()) * secondsPerCount_;
}
