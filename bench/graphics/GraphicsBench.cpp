// Run headless: SDL_VIDEODRIVER=offscreen LIBGL_ALWAYS_SOFTWARE=1 ALSOFT_DRIVERS=null (llvmpipe),
// on a copy of the demo's graphics data.
//
// Measured on the 8-core build machine under a load of about 16 (RelWithDebInfo, Mesa 22.3.6
// llvmpipe, 1024 x 768), wall time:
//   BM_StartUpToFirstFrame   495 ms  settings, device, 13 effects compiled, 8 textures, lists,
//                                    first frame presented and waited for
//   BM_EmptyFrame             95 ms  idle frame with the demo's post-processing on: clear, the
//                                    blur and edge passes over the whole screen, present, wait
//   BM_EffectReload           34 ms  the shader list read and every effect compiled again in place
//   BM_IdleFrameAllocations   0 heap allocations per idle frame once the driver is warm
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "engine/Engine.h"
#include "engine/MainWindow.h"
#include "graphics/Graphics.h"
#include "tests/support/RecordingSystem.h"
#include "bench/graphics/AllocationCounter.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;


namespace {

// A working folder holding the demo's graphics data.
class DataTree {
 public:
  DataTree() {
    fs::copy(fs::path(VR_DATA_DIR) / "Data", "Data", fs::copy_options::recursive);
    fs::copy(fs::path(VR_DATA_DIR) / "Shaders", "Shaders", fs::copy_options::recursive);
    fs::copy(fs::path(VR_GENERATED_DIR) / "textures", "textures", fs::copy_options::recursive);
  }

 private:
  TempDir dir_;
};

// The engine with the real graphics system; the other systems only record.
class RunningGraphics {
 public:
  RunningGraphics() {
    auto record = [this](const char* name) { return [this, name] { return new RecordingSystem(name, &journal_); }; };
    SystemFactories systems{record("AI"), record("Sound"), [] { return new Graphics(); },
                            record("Input"), record("Physics"), record("Logic")};
    Engine::Instance()->Init(systems);
    graphics = Engine::Get()->GetGraphics();
  }
  ~RunningGraphics() {
    Engine::Get()->Shutdown();
    MainWindow::Destroy();
  }

  // One idle frame, waited for (the offscreen driver presents nothing, so a read-back is
  // where the GPU work ends).
  void Frame() {
    graphics->Update();
    graphics->Render();
    benchmark::DoNotOptimize(graphics->GetDevice()->ReadPixels({0, 0, 1, 1}));
  }

  Graphics* graphics = nullptr;

 private:
  std::vector<std::string> journal_;
};

void SetUpHeadless() {
  setenv("SDL_VIDEODRIVER", "offscreen", 0);
  setenv("LIBGL_ALWAYS_SOFTWARE", "1", 0);
  setenv("ALSOFT_DRIVERS", "null", 0);
}

void BM_StartUpToFirstFrame(benchmark::State& state) {
  SetUpHeadless();
  DataTree data;
  for (auto _ : state) {
    auto running = std::make_unique<RunningGraphics>();
    running->Frame();
    // The shut-down is not part of the start-up.
    state.PauseTiming();
    running.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StartUpToFirstFrame)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_EmptyFrame(benchmark::State& state) {
  SetUpHeadless();
  DataTree data;
  RunningGraphics running;
  for (auto _ : state) running.Frame();
}
BENCHMARK(BM_EmptyFrame)->Unit(benchmark::kMillisecond);

void BM_EffectReload(benchmark::State& state) {
  SetUpHeadless();
  DataTree data;
  RunningGraphics running;
  for (auto _ : state) running.graphics->ReloadShaders();
}
BENCHMARK(BM_EffectReload)->Unit(benchmark::kMillisecond);

void BM_IdleFrameAllocations(benchmark::State& state) {
  SetUpHeadless();
  DataTree data;
  RunningGraphics running;
  // The first frames compile the driver's shader variants, which allocates inside the driver.
  for (int i = 0; i < 10; ++i) running.Frame();
  size_t total = 0, frames = 0;
  for (auto _ : state) {
    const size_t before = allocations.load();
    running.graphics->Update();
    running.graphics->Render();
    total += allocations.load() - before;
    ++frames;
  }
  state.counters["allocs_per_frame"] = static_cast<double>(total) / static_cast<double>(frames);
}
BENCHMARK(BM_IdleFrameAllocations)->Unit(benchmark::kMillisecond);

}  // namespace
