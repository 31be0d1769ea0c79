// Run headless: SDL_VIDEODRIVER=offscreen LIBGL_ALWAYS_SOFTWARE=1 ALSOFT_DRIVERS=null (llvmpipe),
// on a copy of the demo's graphics data and generated models, 1024 x 768.
//
// BM_AnimatedCharacters/N: a frame with N animated, skinned, cel-shaded characters (thief,
//   female thief and guard in turn) on a line in front of the camera, waited for; the counter
//   drawCalls is the mesh draws of that frame (materials x passes x characters).
// BM_SkinOneModel/model: the processor side of one character per frame: its controller moved
//   on, the frames combined and the skin recomputed (no upload).
//
// Measured on the 8-core build machine under a load of about 16 (RelWithDebInfo, Mesa llvmpipe),
// wall time per frame with the demo's post-processing and menu screen on:
//   BM_AnimatedCharacters/10   188 ms   drawCalls=20
//   BM_AnimatedCharacters/30   249 ms   drawCalls=60
//   BM_AnimatedCharacters/60   311 ms   drawCalls=120
//   (with the point-sampled blur, at a load of about 26: BM_AnimatedCharacters/10 69 ms)
//   BM_SkinOneModel            about 80 us of processor time per character (thief, female
//                              thief, guard alike)
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

#include "bench/graphics/GraphicsRun.h"
#include "entity/EntityManager.h"
#include "graphics/Camera.h"
#include "graphics/ModelEnt.h"

namespace {

const char* const kCharacters[] = {"thief", "femalethief", "guard"};

class Scene : public GraphicsRun {
 public:
  Scene() {
    camera_.position = {600, 0, 60};
    camera_.direction = {-1, 0, -0.05f};
    graphics->SetActiveCamera(&camera_);
  }

  // Places n characters on rows facing the camera; returns the mesh draws of one frame.
  int64_t AddCharacters(int n) {
    int64_t draws = 0;
    for (int i = 0; i < n; ++i) {
      auto* entity = static_cast<ModelEnt*>(Engine::Get()->GetEntityManager()->Create("ModelEnt"));
      entity->physical.SetPosition({float(-(i / 10) * 60), float((i % 10) * 50 - 225), 0});
      entity->model.Load(kCharacters[i % 3]);
      if (const ModelRecord* model = entity->model.GetModel()) {
        for (const auto& mesh : model->GetModel().meshes) draws += 2 * int64_t(mesh.materials.size());
      }
    }
    return draws;
  }

 private:
  Camera camera_;
};

void BM_AnimatedCharacters(benchmark::State& state) {
  DemoGraphicsData data;
  Scene scene;
  const int64_t draws = scene.AddCharacters(int(state.range(0)));
  scene.Frame();
  for (auto _ : state) scene.Frame();
  state.counters["drawCalls"] = double(draws);
}
BENCHMARK(BM_AnimatedCharacters)->Arg(10)->Arg(30)->Arg(60)->Unit(benchmark::kMillisecond);

void BM_SkinOneModel(benchmark::State& state) {
  const std::string name = kCharacters[state.range(0)];
  std::string error;
  auto model = ModelRecord::Load(std::string(VR_GENERATED_DIR) + "/models/" + name + ".x", nullptr, nullptr, &error);
  if (!model) {
    state.SkipWithError(error.c_str());
    return;
  }
  auto controller = model->CloneController();
  controller->SetAnimationSet(std::min(2u, model->GetAnimationSetCapacity() - 1));
  for (auto _ : state) {
    model->Animate(*controller, 1.0 / 60.0);
    model->UpdateSkinning();
    benchmark::DoNotOptimize(model->GetSkinnedVertices().positions.data());
  }
  state.SetLabel(name);
}
BENCHMARK(BM_SkinOneModel)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

}  // namespace
