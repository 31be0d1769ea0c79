#pragma once
// A measured step and its floor timed in turns, so that both see the same machine load; the
// medians' ratio is reported beside the floor ("floor_ms", "x_floor"). The floor's turns are
// left out of the benchmark's own timing.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

class FloorRatio {
 public:
  explicit FloorRatio(benchmark::State& state) : state_(state) {
    // Reserved up front: the step's turns must not allocate for the bookkeeping.
    const auto expected = static_cast<size_t>(std::min<benchmark::IterationCount>(state.max_iterations, 100000));
    steps_.reserve(expected);
    floors_.reserve(expected);
  }

  template <class Work>
  static double Milliseconds(Work work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  }

  template <class Work>
  void Step(Work step) {
    steps_.push_back(Milliseconds(step));
  }

  // `floor` runs one floor turn and returns its time in milliseconds.
  template <class Timed>
  void Floor(Timed floor) {
    state_.PauseTiming();
    floors_.push_back(floor());
    state_.ResumeTiming();
  }

  void Report(const std::string& floorName = "floor_ms", const std::string& ratioName = "x_floor") {
    const double floor = Median(floors_), step = Median(steps_);
    if (floor <= 0.0) return;
    state_.counters[floorName] = floor;
    state_.counters[ratioName] = step / floor;
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
};
