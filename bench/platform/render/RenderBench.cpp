// Run headless: SDL_VIDEODRIVER=offscreen LIBGL_ALWAYS_SOFTWARE=1 (llvmpipe).
//
// Measured on the 8-core build machine under a load of about 10 (RelWithDebInfo, Mesa 22.3.6
// llvmpipe, 1024 x 768), mean of 3 runs, wall time:
//   BM_EmptyFrame    4.6 ms   clear colour and depth, present (flipped blit), wait for the GPU
//   BM_EffectReload  0.7 ms   parse and compile a two-technique effect (Mesa's shader cache warm)
//   BM_TextLine      0.28 ms  one 35-character line through a sprite batch, waited for
#include <benchmark/benchmark.h>

#include <string>

#include "platform/core/Window.h"
#include "platform/render/EffectProgram.h"
#include "platform/render/Font.h"
#include "platform/render/RenderDevice.h"
#include "platform/render/SpriteBatch.h"

namespace {

const char* const kEffect = R"(@param float4 tint = 1 1 1 1
@param float4x4 matViewProjection
@param texture baseTex
@technique Main
@pass vertex=VS fragment=FS cull=ccw
@technique Screen
@pass fragment=FS zenable=false
@shader VS
out vec2 vTexCoord;
void main() { gl_Position = vec4(inPosition.xyz, 1.0) * matViewProjection; vTexCoord = inTexCoord0; }
@shader FS
in vec2 vTexCoord;
void main() { fragColor = texture(baseTex, vTexCoord) * tint; }
)";

struct Context {
  platform::Window window;
  platform::RenderDevice device;
  bool ok = false;
  Context() {
    std::string error;
    ok = window.Create("bench", 1024, 768) && device.Create(window, {}, &error);
  }
  // Reading one pixel back waits for the GPU, so a frame's cost is all counted.
  void Finish() { benchmark::DoNotOptimize(device.ReadPixels({0, 0, 1, 1})); }
};

Context& Shared() {
  static Context context;
  return context;
}

void BM_EmptyFrame(benchmark::State& state) {
  Context& c = Shared();
  if (!c.ok) return state.SkipWithError("no device");
  for (auto _ : state) {
    c.device.Clear(platform::ClearTarget | platform::ClearDepth, 0xFF000000, 1.0f, 0);
    c.device.Present();
    c.Finish();
  }
}
BENCHMARK(BM_EmptyFrame)->Unit(benchmark::kMillisecond);

void BM_EffectReload(benchmark::State& state) {
  Context& c = Shared();
  if (!c.ok) return state.SkipWithError("no device");
  platform::EffectProgram effect(c.device);
  std::string error;
  for (auto _ : state)
    if (!effect.LoadFromText(kEffect, "bench.fx", &error)) return state.SkipWithError(error.c_str());
}
BENCHMARK(BM_EffectReload)->Unit(benchmark::kMillisecond);

void BM_TextLine(benchmark::State& state) {
  Context& c = Shared();
  if (!c.ok) return state.SkipWithError("no device");
  std::string error;
  auto font = platform::Font::Create(c.device, "Default", 16, 0, &error);
  if (!font) return state.SkipWithError(error.c_str());
  platform::SpriteBatch batch(c.device);
  for (auto _ : state) {
    batch.Begin(platform::SpriteAlphaBlend);
    platform::IntRect r{10, 10, 10, 10};
    font->DrawText(&batch, "Fps = 60  CameraSpeed = 300.000000", &r, platform::TextLeft, 0xFFFFFFFF);
    batch.End();
    c.Finish();
  }
}
BENCHMARK(BM_TextLine)->Unit(benchmark::kMillisecond);

}  // namespace
