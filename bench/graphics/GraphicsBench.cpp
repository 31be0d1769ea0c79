// The graphics system's own costs on the demo data. Run headless: SDL_VIDEODRIVER=offscreen
// LIBGL_ALWAYS_SOFTWARE=1 ALSOFT_DRIVERS=null (Mesa llvmpipe), 1024 x 768, demo settings
// (post-processing on).
//
// BM_StartUpToFirstFrame  settings, device, effects, textures, lists, GUI screens, the first
//                         frame presented and waited for
// BM_EmptyFrame           the idle frame: the "Intro" screen over the background, no camera
// BM_MenuFrame            the main menu with its buttons and texts, no camera
// BM_CameraFrame          a frame of a round seen from a camera over an empty world with a few
//                         debug shapes: the fixed cost of a game frame (clears, post chain,
//                         HUD, present)
// BM_PostPass/n           one pass of the post chain: 0 "Blur", 1 "Edge", 2 "Emblem" (a copy)
// BM_EffectReload         the shader list read and every effect compiled again in place
// BM_ClearAndPresent      the floor: a window of the same size through the same SDL2 and driver
//                         that only clears and presents (waited for as the frames are)
// Every frame benchmark runs one floor frame after each of its own, outside its timing, and
// reports the medians' ratio: x_floor (goals: menu within 3, camera frame within 6), floor_ms.
// Counters per frame (after ten frames of warm-up): allocs (heap allocations of the graphics
// update and render, goal 0), draws (draw calls), sprites_per_texture (sprites drawn per change
// of sprite texture), glyph_hits (characters drawn from the glyph atlases), glyph_misses.
// Results with the numbers before and after each change are in Results.md beside this file.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench/graphics/AllocationCounter.h"
#include "bench/graphics/GraphicsRun.h"
#include "bench/support/ClearAndPresentBench.h"
#include "bench/support/ClearAndPresentFloor.h"
#include "bench/support/FloorRatio.h"
#include "graphics/Camera.h"
#include "graphics/DebugDraw.h"

namespace {

// Times frames of `run` (made by `frame`), counting what each asked of the heap and the device.
template <class Frame>
void TimeFrames(benchmark::State& state, GraphicsRun& run, Frame frame) {
  for (int i = 0; i < 10; ++i) {
    frame();
    run.WaitForFrame();
  }
  platform::RenderDevice& device = *run.graphics->GetDevice();
  ClearAndPresentFloor floor;
  FloorRatio ratio(state);
  const platform::RenderStats start = device.Stats();
  size_t allocs = 0;
  for (auto _ : state) {
    ratio.Step([&] {
      const size_t before = allocations.load();
      frame();
      allocs += allocations.load() - before;
      run.WaitForFrame();
    });
    ratio.Floor([&] { return floor.Frame(); });
  }
  ratio.Report();
  const platform::RenderStats work = device.Stats() - start;
  const auto perFrame = [&](double total) {
    return benchmark::Counter(total / static_cast<double>(state.iterations()));
  };
  state.counters["allocs"] = perFrame(static_cast<double>(allocs));
  state.counters["draws"] = perFrame(static_cast<double>(work.drawCalls));
  state.counters["glyph_hits"] = perFrame(static_cast<double>(work.glyphHits));
  state.counters["glyph_misses"] = perFrame(static_cast<double>(work.glyphMisses));
  state.counters["sprites_per_texture"] =
      work.spriteTextureChanges ? static_cast<double>(work.spritesDrawn) / static_cast<double>(work.spriteTextureChanges) : 0.0;
}

BENCHMARK(BM_ClearAndPresent)->Unit(benchmark::kMillisecond);

void BM_StartUpToFirstFrame(benchmark::State& state) {
  DemoGraphicsData data;
  for (auto _ : state) {
    auto run = std::make_unique<GraphicsRun>();
    run->Frame();
    // The shut-down is not part of the start-up.
    state.PauseTiming();
    run.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StartUpToFirstFrame)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_EmptyFrame(benchmark::State& state) {
  DemoGraphicsData data;
  GraphicsRun run;
  TimeFrames(state, run, [&] { run.Draw(); });
}
BENCHMARK(BM_EmptyFrame)->Unit(benchmark::kMillisecond);

void BM_MenuFrame(benchmark::State& state) {
  DemoGraphicsData data;
  GraphicsRun run;
  run.graphics->ChangeGUIScreen("MainMenu", 0.0f);
  TimeFrames(state, run, [&] { run.Draw(); });
}
BENCHMARK(BM_MenuFrame)->Unit(benchmark::kMillisecond);

void BM_CameraFrame(benchmark::State& state) {
  DemoGraphicsData data;
  GraphicsRun run;
  Camera camera;
  run.graphics->SetActiveCamera(&camera);
  // In a round, so the menus' background does not cover the picture.
  EmptyRound round;
  run.graphics->SetHudGame(&round);
  run.graphics->ChangeGUIScreen("HUD", 0.0f);
  DebugDraw& shapes = *run.graphics->GetDebugDraw();
  TimeFrames(state, run, [&] {
    // Debug shapes last one frame: a few boxes and a sphere before the camera, every frame.
    for (int i = 0; i < 4; ++i) shapes.AddBox(83.0f + 40.0f * i, -250, 10, 20, 20, 20, 0, 0, 0, 1, 0xFF3080C0);
    shapes.AddSphere(143, -200, 40, 25, 0xFFC03030);
    run.Draw();
  });
  run.graphics->SetHudGame(nullptr);
}
BENCHMARK(BM_CameraFrame)->Unit(benchmark::kMillisecond);

// One full-screen pass of the post chain, waited for: "Blur" from texture A into B, the
// closing "Edge" or "Emblem" from B into the back buffer.
void BM_PostPass(benchmark::State& state) {
  DemoGraphicsData data;
  GraphicsRun run;
  Graphics& g = *run.graphics;
  const bool blur = state.range(0) == 0;
  const char* name = blur ? "Blur" : state.range(0) == 1 ? "Edge" : "Emblem";
  platform::RenderTarget* target = blur ? g.GetPostTarget() : nullptr;
  const platform::Texture& source = (blur ? g.GetSceneTarget() : g.GetPostTarget())->GetTexture();
  for (auto _ : state) {
    g.PostProcessPass(name, target, source);
    run.WaitForFrame();
  }
  state.SetLabel(name);
}
BENCHMARK(BM_PostPass)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void BM_EffectReload(benchmark::State& state) {
  DemoGraphicsData data;
  GraphicsRun run;
  for (auto _ : state) run.graphics->ReloadShaders();
}
BENCHMARK(BM_EffectReload)->Unit(benchmark::kMillisecond);

}  // namespace
