#pragma once
#include <map>
#include <string>

// Measures the share of frame time spent in named sections and publishes each share as the
// console variable name + "Time" (for example "AITime"), every `interval` seconds.
class Profiler {
 public:
  void SetInterval(float seconds) { interval_ = seconds; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }
  bool IsEnabled() const { return enabled_; }

  void Start(const std::string& name);
  void Stop(const std::string& name);
  // Once per frame, at the end of the main loop's pass.
  void Report();

  // The published text of a section ("25%"), empty when it has none yet.
  std::string SectionText(const std::string& name) const;
  bool HasSection(const std::string& name) const { return sections_.count(name) != 0; }

 private:
  // Times are doubles: real times are absolute counter readings, which lose all precision in
  // 32-bit floats after a few days of uptime.
  struct Section {
    double start = 0;
    double stop = 0;
    double accumulated = 0;
    double previous = 0;
    std::string text;
  };
  std::map<std::string, Section> sections_;
  double elapsed_ = 0;
  float interval_ = 1.0f;
  bool enabled_ = false;
};
