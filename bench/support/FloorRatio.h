#pragma once
// A measured step and its floor timed in turns, so that both see the same machine load; the
// medians' ratio is reported beside the floor ("floor_ms", "x_floor"). The floor's turns are
// left out of the benchmark's own timing. Each turn's processor time of the whole process (the
// GL driver's worker threads included) is kept too: on a busy machine it changes far less with
// the load than the wall time ("cpu_ms", "floor_cpu_ms" and their ratio "cpu_x_floor").
#include <benchmark/benchmark.h>

#include <time.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

class FloorRatio {
 public:
  explicit FloorRatio(benchmark::State& state) : state_(state) {
    // Reserved up front: the step's turns must not allocate for the bookkeeping.
    const auto expected = static_cast<size_t>(std::min<benchmark::IterationCount>(state.max_iterations, 100000));
    for (auto* times : {&steps_, &floors_, &stepCpu_, &floorCpu_}) times->reserve(expected);
  }

  template <class Work>
  static double Milliseconds(Work work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  }

  // Processor time used so far by every thread of the process, in milliseconds.
  static double ProcessCpuMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) * 1e-6;
  }

  template <class Work>
  void Step(Work step) {
    const double cpu = ProcessCpuMilliseconds();
    steps_.push_back(Milliseconds(step));
    stepCpu_.push_back(ProcessCpuMilliseconds() - cpu);
  }

  // `floor` runs one floor turn and returns its time in milliseconds.
  template <class Timed>
  void Floor(Timed floor) {
    state_.PauseTiming();
    const double cpu = ProcessCpuMilliseconds();
    floors_.push_back(floor());
    floorCpu_.push_back(ProcessCpuMilliseconds() - cpu);
    state_.ResumeTiming();
  }

  void Report(const std::string& floorName = "floor_ms", const std::string& ratioName = "x_floor") {
    const double floor = Median(floors_), step = Median(steps_);
    if (floor <= 0.0) return;
    state_.counters[floorName] = floor;
    state_.counters[ratioName] = step / floor;
    const double floorCpu = Median(floorCpu_), stepCpu = Median(stepCpu_);
    state_.counters["cpu_ms"] = stepCpu;
    state_.counters["floor_cpu_ms"] = floorCpu;
    if (floorCpu > 0.0) state_.counters["cpu_x_floor"] = stepCpu / floorCpu;
  }

  // The step time that a share `q` (0..1) of the turns stayed within, in milliseconds.
  double StepQuantile(double q) { return Quantile(steps_, q); }
  double FloorMedian() { return Median(floors_); }

  // The value that a share `q` (0..1) of `values` stays within; 0 for none.
  static double Quantile(std::vector<double>& values, double q) {
    if (values.empty()) return 0.0;
    const auto rank = static_cast<size_t>(q * static_cast<double>(values.size() - 1) + 0.5);
    auto at = values.begin() + static_cast<std::ptrdiff_t>(std::min(rank, values.size() - 1));
    std::nth_element(values.begin(), at, values.end());
    return *at;
  }
  static double Median(std::vector<double>& values) { return Quantile(values, 0.5); }

 private:

  benchmark::State& state_;
  std::vector<double> steps_;
  std::vector<double> floors_;
  std::vector<double> stepCpu_;
  std::vector<double> floorCpu_;
};
