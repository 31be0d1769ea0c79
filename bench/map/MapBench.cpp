// Map load against a plain read of the same file, and leaf lookups per second, on the largest
// third-party map.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>

#include "map/BspReader.h"
#include "map/LeafFinder.h"
#include "map/MapGeometry.h"
#include "platform/core/Files.h"
#include "tests/map/ZipArchive.h"

namespace {

// Extracts the largest map of the package once; empty when the package is missing.
const std::string& LargestMapPath() {
  static const std::string path = [] {
    std::string package = ThirdPartyMapPackage();
    if (package.empty()) return std::string();
    ZipArchive zip(package);
    const ZipArchive::Entry* largest = nullptr;
    for (const ZipArchive::Entry& e : zip.entries())
      if (e.name.ends_with(".bsp") && (!largest || e.size > largest->size)) largest = &e;
    std::vector<uint8_t> bytes = zip.Extract(*largest);
    std::string out = "/tmp/vr_bench_largest.bsp";
    platform::WriteFileAtomic(out, std::string(bytes.begin(), bytes.end()));
    return out;
  }();
  return path;
}

void PlainRead(benchmark::State& state) {
  const std::string& path = LargestMapPath();
  if (path.empty()) return state.SkipWithError("third-party map package not installed");
  size_t bytes = 0;
  for (auto _ : state) {
    auto data = platform::ReadFileBytes(path);
    bytes = data->size();
    benchmark::DoNotOptimize(data);
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
}

void LoadMap(benchmark::State& state) {
  const std::string& path = LargestMapPath();
  if (path.empty()) return state.SkipWithError("third-party map package not installed");
  size_t bytes = platform::ReadFileBytes(path)->size();
  for (auto _ : state) {
    BspData map;
    BspReader::Read(path, map);
    ConvertToWorldFrame(map);
    benchmark::DoNotOptimize(map);
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
}

void FindLeafLookups(benchmark::State& state) {
  const std::string& path = LargestMapPath();
  if (path.empty()) return state.SkipWithError("third-party map package not installed");
  BspData map;
  BspReader::Read(path, map);
  ConvertToWorldFrame(map);
  const BspModel& world = map.models[0];
  std::mt19937 random(5);
  std::vector<std::array<float, 3>> points(4096);
  for (auto& p : points) {
    for (int k = 0; k < 3; ++k)
      p[k] = std::uniform_real_distribution<float>(world.mins[k], world.maxs[k])(random);
    p[1] = -p[1];
  }
  LeafFinder finder(map);
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(finder.FindLeafIndex(points[i++ & 4095].data()));
  }
  state.SetItemsProcessed(int64_t(state.iterations()));
}

BENCHMARK(PlainRead)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadMap)->Unit(benchmark::kMillisecond);
BENCHMARK(FindLeafLookups);

}  // namespace
