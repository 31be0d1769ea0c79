#pragma once
#include <cstdint>

// The high-resolution counter behind the engine timer, and the calendar time. Tests install a
// settable clock.
namespace platform {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual int64_t Counter() = 0;
  virtual int64_t Frequency() = 0;
  // Seconds since 1970-01-01 00:00 UTC.
  virtual int64_t UtcSeconds() = 0;
};

// A clock the test moves by hand.
class ManualClock : public Clock {
 public:
  explicit ManualClock(int64_t frequency = 1000000) : frequency_(frequency) {}
  int64_t Counter() override { return counter_; }
  int64_t Frequency() override { return frequency_; }
  int64_t UtcSeconds() override { return utcSeconds_; }
  void Set(int64_t counter) { counter_ = counter; }
  void SetUtcSeconds(int64_t seconds) { utcSeconds_ = seconds; }
  void AdvanceSeconds(double seconds) { counter_ += static_cast<int64_t>(seconds * frequency_); }

 private:
  int64_t frequency_;
  int64_t counter_ = 0;
  int64_t utcSeconds_ = 0;
};

// The clock used by the program: the monotonic system clock unless a test installed another.
Clock& GetClock();
// Installs `clock` (nullptr restores the system clock). The caller keeps ownership.
void SetClock(Clock* clock);

}  // namespace platform
