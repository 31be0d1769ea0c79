#include "platform/core/Clock.h"

#include <time.h>

namespace platform {
namespace {

class SystemClock : public Clock {
 public:
  int64_t Counter() override {
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<int64_t>(ts.tv_sec) * 1000000000 + ts.tv_nsec;
  }
  int64_t Frequency() override { return 1000000000; }
  int64_t UtcSeconds() override { return static_cast<int64_t>(time(nullptr)); }
};

SystemClock systemClock;
Clock* current = &systemClock;

}  // namespace

Clock& GetClock() { return *current; }
void SetClock(Clock* clock) { current = clock ? clock : &systemClock; }

}  // namespace platform
