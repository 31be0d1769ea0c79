// Run headless: SDL_VIDEODRIVER=offscreen LIBGL_ALWAYS_SOFTWARE=1 ALSOFT_DRIVERS=null (llvmpipe).
//
// BM_VisibleFaceWalk: the walk alone over a third-party map of about 5,000 faces, every face in
// view (goal: with the draw submission, under 2 ms of processor time).
// BM_WalkAndSubmit: the walk plus every draw call of the map step, not waited for.
// BM_MapFrame: the map step at 1024 x 768 waited for, from inside the lobby and in a large
// third-party map.
// Results: see MapRenderResults.md beside this file.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "engine/Engine.h"
#include "engine/MainWindow.h"
#include "graphics/Graphics.h"
#include "map/BspMap.h"
#include "map/MapRenderer.h"
#include "platform/core/Files.h"
#include "tests/map/ZipArchive.h"
#include "tests/support/RecordingSystem.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;
using platform::Vector3;

namespace {

// The engine with the real graphics system over a copy of the demo data; the other systems
// only record.
class Scene {
 public:
  Scene() {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("LIBGL_ALWAYS_SOFTWARE", "1", 0);
    setenv("ALSOFT_DRIVERS", "null", 0);
    fs::copy(fs::path(VR_DATA_DIR) / "Data", "Data", fs::copy_options::recursive);
    fs::copy(fs::path(VR_DATA_DIR) / "Shaders", "Shaders", fs::copy_options::recursive);
    fs::copy(fs::path(VR_GENERATED_DIR) / "textures", "textures", fs::copy_options::recursive);
    fs::create_directory("Maps");
    auto record = [this](const char* name) { return [this, name] { return new RecordingSystem(name, &journal_); }; };
    Engine::Instance()->Init({record("AI"), record("Sound"), [] { return new Graphics(); }, record("Input"),
                              record("Physics"), record("Logic")});
    graphics = Engine::Get()->GetGraphics();
  }
  ~Scene() {
    renderer.reset();
    Engine::Get()->Shutdown();
    MainWindow::Destroy();
  }

  void Load(const std::vector<uint8_t>& bytes) {
    platform::WriteFileAtomic("Maps/bench.bsp", std::string(bytes.begin(), bytes.end()));
    map.Load("Maps/bench.bsp");
    renderer = std::make_unique<MapRenderer>(*graphics->GetDevice(), *graphics->GetTextureManager(),
                                             graphics->GetDefaultTexture(), map);
  }

  // The map step of a frame seen from `eye` along `look`.
  MapDrawStats Draw(const Vector3& eye, const Vector3& look, const Frustum& frustum) {
    const platform::Matrix view = platform::MatrixLookAtLH(eye, eye + look, {0, 0, 1});
    Effect* effect = graphics->GetEffectManager()->Get(graphics->GetMapEffectName());
    effect->SetViewProjection(view, graphics->GetProjection());
    map.UpdateCameraCluster(&eye);
    return renderer->Draw(*effect, MapView{frustum, eye, look, true});
  }

  Frustum ViewFrustum(const Vector3& eye, const Vector3& look) {
    platform::Matrix viewProjection = platform::MatrixLookAtLH(eye, eye + look, {0, 0, 1}) * graphics->GetProjection();
    Frustum frustum;
    frustum.Build(viewProjection);
    return frustum;
  }

  Graphics* graphics = nullptr;
  BspMap map;
  std::unique_ptr<MapRenderer> renderer;

 private:
  TempDir dir_;
  std::vector<std::string> journal_;
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
  const BspModel& world = map.Data().models.at(0);
  return {(world.mins[0] + world.maxs[0]) / 2, -(world.mins[1] + world.maxs[1]) / 2,
          (world.mins[2] + world.maxs[2]) / 2};
}

// About 5,000 faces, for the 2 ms goal; the largest of the package for the frame time.
constexpr const char* kFiveThousandFaces = "oa_pvomit.bsp";  // 4,980 faces
constexpr const char* kLargeMap = "czest2ctf.bsp";  // 6,888 faces, 51,252 vertices

void BM_VisibleFaceWalk(benchmark::State& state) {
  Scene scene;
  scene.Load(ThirdPartyMap(kFiveThousandFaces));
  const Frustum everything;
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
  const Frustum everything;
  const Vector3 eye = Centre(scene.map);
  int32_t faces = 0;
  for (auto _ : state) faces = scene.Draw(eye, {1, 0, 0}, everything).faces;
  // Let the driver finish outside the timing.
  benchmark::DoNotOptimize(scene.graphics->GetDevice()->ReadPixels({0, 0, 1, 1}));
  state.counters["faces"] = faces;
}
BENCHMARK(BM_WalkAndSubmit)->Unit(benchmark::kMillisecond);

void MapFrame(benchmark::State& state, const std::vector<uint8_t>& bytes, Vector3 eye, Vector3 look) {
  Scene scene;
  scene.Load(bytes);
  if (eye.x == 0 && eye.y == 0 && eye.z == 0) eye = Centre(scene.map);
  const Frustum frustum = scene.ViewFrustum(eye, look);
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
