#pragma once
// The floor on its own, for each frame benchmark binary to register beside its frames:
// BENCHMARK(BM_ClearAndPresent)->Unit(benchmark::kMillisecond);
#include <benchmark/benchmark.h>

#include "bench/support/ClearAndPresentFloor.h"
#include "bench/support/OffscreenDrivers.h"

inline void BM_ClearAndPresent(benchmark::State& state) {
  UseOffscreenDrivers();
  ClearAndPresentFloor floor;
  if (!floor.IsOpen()) return state.SkipWithError("no window for the floor");
  for (auto _ : state) floor.Frame();
}
