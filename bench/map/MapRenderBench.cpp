// Run headless: SDL_VIDEODRIVER=offscreen LIBGL_ALWAYS_SOFTWARE=1 ALSOFT_DRIVERS=null (llvmpipe).
//
// BM_VisibleFaceWalk: the walk alone over a third-party map of about 5,000 faces, every face in
// view (goal: with the draw submission, under 2 ms of processor time).
// BM_WalkAndSubmit: the walk plus every draw call of the map step, not waited for; the visible
// set stays, so the index list is not rebuilt.
// BM_WalkAndSubmitMoving: the same with the camera moving between two points each frame, which
// reorders the visible faces, so the index list is rebuilt and uploaded every frame.
// BM_MapFrame: the map step at 1024 x 768 waited for, from inside the lobby and in a large
// third-party map.
// Results: see MapRenderResults.md beside this file.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "bench/graphics/GraphicsRun.h"
#include "graphics/MapRenderer.h"
#include "map/BspMap.h"
#include "platform/core/Files.h"
#include "tests/map/ZipArchive.h"

namespace fs = std::filesystem;
using platform::Vector3;

namespace {

// The engine with the real graphics system over a copy of the demo data, and one map.
class Scene {
  // First, so that the copied data is the working folder when the graphics start.
  DemoGraphicsData data_;
  GraphicsRun run_;

 public:
  Scene() { fs::create_directory("Maps"); }
  ~Scene() { renderer.reset(); }

  void Load(const std::vector<uint8_t>& bytes) {
    platform::WriteFileAtomic("Maps/bench.bsp", std::string(bytes.begin(), bytes.end()));
    map.Load("Maps/bench.bsp");
    renderer = std::make_unique<MapRenderer>(*graphics->GetDevice(), *graphics->GetTextureManager(),
                                             graphics->GetDefaultTexture(), map);
  }

  // The map step of a frame seen from `eye` along `look`.
  MapDrawStats Draw(const Vector3& eye, const Vector3& look, const platform::Frustum& frustum) {
    const platform::Matrix view = platform::MatrixLookAtLH(eye, eye + look, {0, 0, 1});
    Effect* effect = graphics->GetEffectManager()->Get(graphics->GetMapEffectName());
    effect->SetViewProjection(view, graphics->GetProjection());
    map.UpdateCameraCluster(&eye);
    return renderer->Draw(*effect, MapView{frustum, eye, look, true});
  }

  platform::Frustum ViewFrustum(const Vector3& eye, const Vector3& look) {
    platform::Matrix viewProjection = platform::MatrixLookAtLH(eye, eye + look, {0, 0, 1}) * graphics->GetProjection();
    platform::Frustum frustum;
    frustum.Build(viewProjection);
    return frustum;
  }

  Graphics* graphics = run_.graphics;
  BspMap map;
  std::unique_ptr<MapRenderer> renderer;
};

std::vector<uint8_t> ThirdPartyMap(const std::string& name) {
  ZipArchive zip(ThirdPartyMapPackage());
  for (const ZipArchive::Entry& entry : zip.entries())
    if (entry.name == "maps/" + name) return zip.Extract(entry);
  return {};
}

std::vector<uint8_t> DemoMap(const std::string& name) {
  return platform::ReadFileBytes(std::string(VR_GENERATED_DIR) + "/Maps/" + name).value_or(std::vector<uint8_t>{});
}

Vector3 Centre(const BspMap& map) {
  const BspModel& world = map.Data().models[0];
  return {(world.mins[0] + world.maxs[0]) / 2, -(world.mins[1] + world.maxs[1]) / 2,
          (world.mins[2] + world.maxs[2]) / 2};
}

// About 5,000 faces, for the 2 ms goal; the largest of the package for the frame time.
constexpr const char* kFiveThousandFaces = "oa_pvomit.bsp";  // 4,980 faces
constexpr const char* kLargeMap = "czest2ctf.bsp";  // 6,888 faces, 51,252 vertices

void BM_VisibleFaceWalk(benchmark::State& state) {
  Scene scene;
  scene.Load(ThirdPartyMap(kFiveThousandFaces));
  const platform::Frustum everything;
  const Vector3 eye = Centre(scene.map);
  MapRenderData& data = scene.map.GetRenderData();
  VisibleFaceWalk walk;
  for (auto _ : state) {
    std::fill(data.FaceQueued().begin(), data.FaceQueued().end(), 0);
    walk.Collect(scene.map.Data(), data.GetTextureFlags(), everything, eye, -1, data.FaceQueued());
  }
  state.counters["faces"] = double(scene.map.Data().faces.size());
}
BENCHMARK(BM_VisibleFaceWalk)->Unit(benchmark::kMillisecond);

void BM_WalkAndSubmit(benchmark::State& state) {
  Scene scene;
  scene.Load(ThirdPartyMap(kFiveThousandFaces));
  const platform::Frustum everything;
  const Vector3 eye = Centre(scene.map);
  MapDrawStats stats;
  for (auto _ : state) stats = scene.Draw(eye, {1, 0, 0}, everything);
  // Let the driver finish outside the timing.
  benchmark::DoNotOptimize(scene.graphics->GetDevice()->ReadPixels({0, 0, 1, 1}));
  state.counters["faces"] = stats.faces;
  state.counters["draws"] = stats.draws;
}
BENCHMARK(BM_WalkAndSubmit)->Unit(benchmark::kMillisecond);

void BM_WalkAndSubmitMoving(benchmark::State& state) {
  Scene scene;
  scene.Load(ThirdPartyMap(kFiveThousandFaces));
  const platform::Frustum everything;
  const BspModel& world = scene.map.Data().models[0];
  const Vector3 step{(world.maxs[0] - world.mins[0]) / 4, 0, 0};
  const Vector3 eyes[2] = {Centre(scene.map) - step, Centre(scene.map) + step};
  const uint64_t firstGeneration = scene.renderer->GetVisibleFaces().Generation();
  MapDrawStats stats;
  size_t frame = 0;
  for (auto _ : state) stats = scene.Draw(eyes[frame++ & 1], {1, 0, 0}, everything);
  benchmark::DoNotOptimize(scene.graphics->GetDevice()->ReadPixels({0, 0, 1, 1}));
  state.counters["faces"] = stats.faces;
  state.counters["draws"] = stats.draws;
  state.counters["rebuilds"] =
      double(scene.renderer->GetVisibleFaces().Generation() - firstGeneration) / double(state.iterations());
}
BENCHMARK(BM_WalkAndSubmitMoving)->Unit(benchmark::kMillisecond);

void MapFrame(benchmark::State& state, const std::vector<uint8_t>& bytes, Vector3 eye, Vector3 look) {
  Scene scene;
  scene.Load(bytes);
  if (eye.x == 0 && eye.y == 0 && eye.z == 0) eye = Centre(scene.map);
  const platform::Frustum frustum = scene.ViewFrustum(eye, look);
  platform::RenderDevice* device = scene.graphics->GetDevice();
  int32_t faces = 0;
  for (auto _ : state) {
    device->SetRenderTarget(nullptr);
    device->Clear(platform::ClearTarget | platform::ClearDepth, 0xFF000000, 1.0f, 0);
    faces = scene.Draw(eye, look, frustum).faces;
    benchmark::DoNotOptimize(device->ReadPixels({0, 0, 1, 1}));
  }
  state.counters["faces"] = faces;
}

void BM_MapFrameDemoLobby(benchmark::State& state) {
  MapFrame(state, DemoMap("lobby.bsp"), {96, -64, 72}, {0.8f, -0.55f, -0.12f});
}
BENCHMARK(BM_MapFrameDemoLobby)->Unit(benchmark::kMillisecond);

void BM_MapFrameLargeThirdParty(benchmark::State& state) {
  MapFrame(state, ThirdPartyMap(kLargeMap), {0, 0, 0}, {1, 0, 0});
}
BENCHMARK(BM_MapFrameLargeThirdParty)->Unit(benchmark::kMillisecond);

}  // namespace
