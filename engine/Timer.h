#pragma once
#include <cstdint>

// The engine's frame clock over the high-resolution counter: capped frame deltas, game time
// that stands still while paused, and an unpaused real time for the profiler.
class Timer {
 public:
  Timer();

  // Once per frame. A frame never counts for more than 0.1 s.
  void Update();
  // Seconds since construction; frozen while paused.
  double GetTime() const;
  // 0 while paused, else the last frame's capped duration.
  double GetDelta() const { return paused_ ? 0.0 : delta_; }
  double GetRawDelta() const { return delta_; }
  // A fresh reading, paused or not.
  double GetRealTime() const;
  void SetPaused(bool paused) { paused_ = paused ? 1 : 0; }
  bool IsPaused() const { return paused_ != 0; }

 private:
  double secondsPerCount_;
  double time_;
  double delta_ = 0.0;
  uint8_t paused_ = 0;
  int64_t lastCount_;
  int64_t startCount_;
};
