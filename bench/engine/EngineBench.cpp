// One idle frame of the main loop, and log throughput.
//
// Measured here (8 cores, RelWithDebInfo, other builds running): an empty frame of the loop
// with six idle systems, headless, about 0.7 microseconds before rendering exists;
// about 0.8 million flushed log lines a second to one channel.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench/support/IdleSystem.h"
#include "engine/Engine.h"
#include "engine/EngineSystem.h"
#include "tests/support/TempDir.h"

namespace {

void BM_EmptyFrame(benchmark::State& state) {
  // A folder of its own: the engine writes its settings and logs into the working folder.
  TempDir scratch;
  std::filesystem::create_directory("Data");
  auto idle = [](const char* n) { return [n] { return static_cast<EngineSystem*>(new IdleSystem(n)); }; };
  Engine* engine = Engine::Instance();
  engine->Init(SystemFactories{idle("AI"), idle("Sound"), idle("Graphics"), idle("Input"), idle("Physics"),
                               idle("Logic")});
  for (auto _ : state) benchmark::DoNotOptimize(engine->RunFrame());
  engine->Shutdown();
}
BENCHMARK(BM_EmptyFrame);

void BM_LogLine(benchmark::State& state) {
  // A folder of its own: the engine writes its settings and logs into the working folder.
  TempDir scratch;
  std::filesystem::create_directory("Data");
  Engine* engine = Engine::Instance();
  const std::string line = "Loaded textures/museum/floor.png";
  for (auto _ : state) engine->GetLog()->Write("AssetsLoaded", line, 0);
  state.SetItemsProcessed(state.iterations());
  engine->Shutdown();
}
BENCHMARK(BM_LogLine);

}  // namespace
