// Particle update of a full pool: 32 emitters of 64 particles each (2048, the pool's limit) on
// the engine timer stepped by hand at 60 frames a second, each iteration one manager update.
//
// Measured on the 8-core build machine under load (RelWithDebInfo), wall time:
//   BM_FullPoolLooping      ~80 us  particles re-initialised in place as they expire
//   BM_FullPoolCirculating  ~80 us  particles returned to the pool and spawned again (about 1970 live)
// Goal: under 1 ms a frame. Both report 0 heap allocations per update once the pool is full.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "engine/Engine.h"
#include "graphics/ParticleManager.h"
#include "platform/core/Clock.h"
#include "platform/core/Random.h"
#include "tests/support/RecordingSystem.h"
#include "bench/graphics/AllocationCounter.h"
#include "tests/support/TempDir.h"


namespace {

constexpr int kEmitters = 32;
constexpr double kFrame = 1.0 / 60.0;

// The engine (every system only recording) on a hand-moved clock, with a particle manager.
class ParticleWorld {
 public:
  explicit ParticleWorld(bool loop) {
    platform::SetClock(&clock_);
    TempDir::Write("Data/.keep", "");
    auto record = [this](const char* name) { return [this, name] { return new RecordingSystem(name, &journal_); }; };
    Engine::Instance()->Init(SystemFactories{record("AI"), record("Sound"), record("Graphics"), record("Input"),
                                             record("Physics"), record("Logic")});
    platform::SeedRandom(1);
    ParticleEmitterConfig c;
    c.textureName = "particles/spark.png";
    c.maxCount = ParticleManager::kMaxParticles / kEmitters;
    c.maxSpawnDelay = 0.004f;
    c.spawnVariation = 0.002f;
    c.maxLife = 0.5f;
    c.lifeVariation = 0.2f;
    c.maxRadius = 10.0f;
    c.radiusVariation = 5.0f;
    c.sizeKeys = {{0.0f, {8, 2}}, {0.5f, {12, 2}}, {1.0f, {2, 1}}};
    c.colorKeys = {{0.0f, {1, 1, 0.5f, 1}}, {0.5f, {1, 0.5f, 0.2f, 0.8f}}, {1.0f, {0.5f, 0.1f, 0, 0}}};
    c.speedKeys = {{0.0f, {100, 30}}, {1.0f, {10, 5}}};
    SaveParticleConfig("Data/benchConfig.xml", c);
    manager_.Init(nullptr);
    for (int i = 0; i < kEmitters; ++i) {
      ParticleEmitter* emitter = manager_.CreateEmitter("benchConfig");
      emitter->loop = loop ? 1 : 0;
      emitter->origin = {float(i) * 50, 0, 0};
    }
    // Long enough for every emitter to fill up and for particles to have died and come back.
    for (int i = 0; i < 120; ++i) Frame();
  }
  ~ParticleWorld() {
    manager_.Destroy();
    Engine::Get()->Shutdown();
    platform::SetClock(nullptr);
  }

  void Frame() {
    clock_.AdvanceSeconds(kFrame);
    Engine::Get()->GetTimer()->Update();
    manager_.Update();
  }

  int32_t Live() const { return manager_.AllocatedCount() - manager_.PoolSize(); }

 private:
  TempDir dir_;
  platform::ManualClock clock_;
  std::vector<std::string> journal_;
  ParticleManager manager_;
};

void RunFullPool(benchmark::State& state, bool loop) {
  ParticleWorld world(loop);
  size_t live = 0;
  const size_t before = allocations.load();
  for (auto _ : state) {
    world.Frame();
    live += static_cast<size_t>(world.Live());
  }
  state.counters["allocations"] =
      benchmark::Counter(double(allocations.load() - before), benchmark::Counter::kAvgIterations);
  state.counters["live"] = benchmark::Counter(double(live), benchmark::Counter::kAvgIterations);
}

void BM_FullPoolLooping(benchmark::State& state) { RunFullPool(state, true); }
void BM_FullPoolCirculating(benchmark::State& state) { RunFullPool(state, false); }

BENCHMARK(BM_FullPoolLooping)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FullPoolCirculating)->Unit(benchmark::kMicrosecond);

}  // namespace
