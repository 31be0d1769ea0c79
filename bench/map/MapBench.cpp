// Map load against a plain read of the same file, leaf lookups per second, the render data the
// graphics upload and the 3DS export, on the largest third-party map (7 MB, 31,156 vertices,
// 78 lightmaps).
//
// The render data costs about 8 to 9 ms per load, nearly all of it brightening the 1.3 million
// lightmap texels (a per-channel table took it from 22 ms to 13 ms under the same load).
// Results: see MapRenderResults.md beside this file.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>

#include "bench/support/FloorRatio.h"
#include "map/BspReader.h"
#include "map/LeafFinder.h"
#include "map/MapGeometry.h"
#include "map/MapRenderData.h"
#include "map/Mesh3dsWriter.h"
#include "platform/core/Files.h"
#include "tests/map/ZipArchive.h"
#include "tests/support/ScratchFolder.h"

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
    static const ScratchFolder folder("vrbench");
    std::string out = folder / "largest.bsp";
    platform::WriteFileAtomic(out, std::string(bytes.begin(), bytes.end()));
    return out;
  }();
  return path;
}

// The reference: a plain read of the whole file, as most programs read one: a vector of the
// file's size, filled by one read.
std::vector<uint8_t> ReadPlainly(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return {};
  std::fseek(file, 0, SEEK_END);
  std::vector<uint8_t> bytes(size_t(std::ftell(file)));
  std::fseek(file, 0, SEEK_SET);
  bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file));
  std::fclose(file);
  return bytes;
}

void PlainRead(benchmark::State& state) {
  const std::string& path = LargestMapPath();
  if (path.empty()) return state.SkipWithError("third-party map package not installed");
  size_t bytes = 0;
  for (auto _ : state) {
    std::vector<uint8_t> data = ReadPlainly(path);
    bytes = data.size();
    benchmark::DoNotOptimize(data.data());
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
}

// The read the map loader makes: into a buffer that is not zeroed first. What is left is the
// kernel's copy of the file and the buffer's fresh pages.
void ReadWithoutZeroFill(benchmark::State& state) {
  const std::string& path = LargestMapPath();
  if (path.empty()) return state.SkipWithError("third-party map package not installed");
  size_t bytes = 0;
  for (auto _ : state) {
    std::optional<platform::FileBytes> data = platform::ReadWholeFile(path);
    bytes = data->size();
    benchmark::DoNotOptimize(data->data());
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
}

// The file read, checked and turned into the world frame; with `renderData`, also the render
// data the graphics upload (the lightmaps brightened), which is the whole load short of the
// graphics card. A plain read of the file follows each load outside the timing:
// x_plain_read is the medians' ratio (goals: 2 for the load, 3 with the render data).
void LoadMap(benchmark::State& state, bool renderData) {
  const std::string& path = LargestMapPath();
  if (path.empty()) return state.SkipWithError("third-party map package not installed");
  const size_t bytes = ReadPlainly(path).size();
  MapRenderData render;
  FloorRatio ratio(state);
  for (auto _ : state) {
    ratio.Step([&] {
      BspData map;
      BspReader::Read(path, map);
      ConvertToWorldFrame(map);
      if (renderData) render.Build(map, MapTextureLists());
      benchmark::DoNotOptimize(map);
    });
    ratio.Floor([&] { return FloorRatio::Milliseconds([&] { benchmark::DoNotOptimize(ReadPlainly(path).data()); }); });
  }
  ratio.Report("plain_read_ms", "x_plain_read");
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
}

// The largest map as a load leaves it; false when the package is missing.
bool ReadLargestMap(benchmark::State& state, BspData& map) {
  const std::string& path = LargestMapPath();
  if (path.empty()) {
    state.SkipWithError("third-party map package not installed");
    return false;
  }
  BspReader::Read(path, map);
  ConvertToWorldFrame(map);
  return true;
}

void FindLeafLookups(benchmark::State& state) {
  BspData map;
  if (!ReadLargestMap(state, map)) return;
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

// Vertices, indices, texture flags and every lightmap brightened, once per map load.
void BuildRenderData(benchmark::State& state) {
  BspData map;
  if (!ReadLargestMap(state, map)) return;
  MapTextureLists lists;
  lists.alpha.assign(40, "textures/listed/alpha");
  lists.occluder.assign(40, "textures/listed/occluder");
  MapRenderData render;
  for (auto _ : state) {
    render.Build(map, lists);
    benchmark::DoNotOptimize(render.GetLightmaps().data());
  }
  state.counters["lightmaps"] = double(map.lightmaps.size());
  state.counters["vertices"] = double(map.vertices.size());
}

void Encode3ds(benchmark::State& state) {
  BspData map;
  if (!ReadLargestMap(state, map)) return;
  size_t bytes = 0;
  for (auto _ : state) {
    std::vector<uint8_t> file = Mesh3dsWriter::Encode(map);
    bytes = file.size();
    benchmark::DoNotOptimize(file.data());
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
}

BENCHMARK(PlainRead)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadWithoutZeroFill)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadMap, Lumps, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadMap, WithRenderData, true)->Unit(benchmark::kMillisecond);
BENCHMARK(FindLeafLookups);
BENCHMARK(BuildRenderData)->Unit(benchmark::kMillisecond);
BENCHMARK(Encode3ds)->Unit(benchmark::kMillisecond);

}  // namespace
