// The developer tools' two costs, each beside a reference measured in the same run.
//
// Screenshot: reading back a 1024 x 768 back buffer and writing it as a PNG, against the
// read-back alone. The shot is saved in the frame after the key, before the swap, so it delays
// that one frame by its whole cost.
//
// Camera-path editor: the shapes of a 1,000-node path queued in one frame (1,000 spheres, 1,999
// links, 1,000 direction lines), against copying the path, which the editor does when it is
// switched on.
#include <benchmark/benchmark.h>
#include <cstdlib>

#include <string>
#include <vector>

#include "graphics/DebugDraw.h"
#include "input/InterpEditControls.h"
#include "platform/core/Window.h"
#include "platform/math/Frustum.h"
#include "platform/render/RenderDevice.h"
#include "tests/support/TempDir.h"

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;

// An offscreen window and device whose back buffer holds a frame with some variety, so the
// encoder has more to do than for a flat colour.
struct Frame {
  Frame() {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("LIBGL_ALWAYS_SOFTWARE", "1", 0);
    std::string error;
    ready = window.Create("bench", kWidth, kHeight) && device.Create(window, {}, &error);
    if (!ready) return;
    for (int band = 0; band < 16; ++band) {
      device.SetScissor(true, {0, band * kHeight / 16, kWidth, (band + 1) * kHeight / 16});
      device.Clear(platform::ClearTarget, 0xFF000000u | (band * 0x0F1D2Bu), 1.0f, 0);
    }
    device.SetScissor(false, {});
  }
  platform::Window window;
  platform::RenderDevice device;
  bool ready = false;
};

void BM_ReadBackOnly(benchmark::State& state) {
  Frame frame;
  if (!frame.ready) return state.SkipWithError("no offscreen device");
  for (auto _ : state) benchmark::DoNotOptimize(frame.device.ReadPixels({0, 0, kWidth, kHeight}));
}
BENCHMARK(BM_ReadBackOnly)->Unit(benchmark::kMillisecond);

void BM_Screenshot1024x768(benchmark::State& state) {
  Frame frame;
  if (!frame.ready) return state.SkipWithError("no offscreen device");
  TempDir scratch;
  for (auto _ : state) {
    if (!frame.device.SaveScreenshot("shot.png")) return state.SkipWithError("the shot was not written");
  }
}
BENCHMARK(BM_Screenshot1024x768)->Unit(benchmark::kMillisecond);

std::vector<InterpNode> ThousandNodes() {
  std::vector<InterpNode> path;
  for (int i = 0; i < 1000; ++i) path.push_back({{i * 10.0f, (i % 7) * 5.0f, 100.0f}, {1, 0, 0}});
  return path;
}

void BM_CopyThousandNodePath(benchmark::State& state) {
  const std::vector<InterpNode> path = ThousandNodes();
  for (auto _ : state) {
    std::vector<InterpNode> copy = path;
    benchmark::DoNotOptimize(copy.data());
  }
}
BENCHMARK(BM_CopyThousandNodePath)->Unit(benchmark::kMicrosecond);

// The editor's frame with shapes on is this queueing (its flight is a few vector sums). One
// queue serves every frame, as the graphics system's does; it is emptied after each, as the
// frame's render does, and its line store is taken before the timing starts.
void BM_EditorDrawsThousandNodes(benchmark::State& state) {
  InterpEditControls editor;
  editor.path = ThousandNodes();
  const bool drawShapes = true;
  const platform::Frustum frustum;
  DebugDraw draw(drawShapes, frustum);
  editor.DrawPath(draw);
  draw.Clear();
  for (auto _ : state) {
    editor.DrawPath(draw);
    benchmark::DoNotOptimize(draw.LineVertexCount());
    draw.Clear();
  }
}
BENCHMARK(BM_EditorDrawsThousandNodes)->Unit(benchmark::kMicrosecond);

}  // namespace
