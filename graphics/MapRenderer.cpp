#include "graphics/MapRenderer.h"

#include <algorithm>
#include <cmath>
#include <span>

#include "engine/Engine.h"
#include "graphics/Effect.h"
#include "map/BspMap.h"
#include "platform/math/Matrix.h"
#include "platform/render/RenderDevice.h"

namespace {

const char* const kTechniques[3] = {"LightMap0Lights", "LightMap1Light", "LightMap2Lights"};

void SetLight(platform::EffectProgram& program, const char* position, const char* direction, const MapLight& light) {
  program.SetFloatArray(position, &light.position.x, 3);
  program.SetFloatArray(direction, &light.direction.x, 3);
}

// Turns a billboard face about the vertical through its centre so it faces along `look`.
platform::Matrix BillboardWorld(const BspData& map, const BspFace& face, const platform::Vector3& look) {
  using platform::Vector3;
  auto position = [&](int32_t k) {
    const float* p = map.vertices[size_t(face.firstVertex + map.meshVertices[size_t(face.firstMeshVertex + k)])].position;
    return Vector3{p[0], p[1], p[2]};
  };
  Vector3 centre{0, 0, 0};
  for (int32_t k = 0; k < face.meshVertexCount; ++k) centre = centre + position(k);
  centre = centre * (1.0f / float(face.meshVertexCount));
  const Vector3 up{0, 0, 1};
  const Vector3 w = platform::Vec3Normalize(platform::Vec3Cross(position(1) - position(0), position(2) - position(0)));
  const Vector3 r = platform::Vec3Normalize(platform::Vec3Cross(w, up));
  const Vector3 s = platform::Vec3Normalize(platform::Vec3Cross(up, look));
  const Vector3 q = platform::Vec3Normalize(platform::Vec3Cross(s, up));
  float angle = std::acos(std::clamp(platform::Vec3Dot(s, r), -1.0f, 1.0f));
  if (platform::Vec3Dot(q, r) < 0.0f) angle = -angle;
  return platform::MatrixTranslation(centre * -1.0f) * platform::MatrixRotationAxis(up, angle) *
         platform::MatrixTranslation(centre);
}

}  // namespace

// What a face needs of the effect: its lightmap image, the technique (how many lights reach it)
// and, for one light, which.
struct MapRenderer::FaceState {
  const platform::Texture* lightmap = nullptr;
  int lights = 0;
  int light = -1;
  bool operator==(const FaceState&) const = default;
};

// The state of one DrawFaces call: the open technique, the lightmap bound last and the run of
// faces gathered under the current state but not yet drawn.
struct MapRenderer::Pass {
  Pass(Effect& e, const MapView& v, MapDrawStats& s) : effect(e), view(v), stats(s) {}

  Effect& effect;
  const MapView& view;
  MapDrawStats& stats;
  int technique = -1;
  const platform::Texture* lightmap = nullptr;
  FaceState runState;
  uint32_t runFirst = 0;
  uint32_t runCount = 0;

  platform::EffectProgram& Program() { return effect.Program(); }
  void Close() {
    if (technique < 0) return;
    Program().EndPass();
    Program().End();
    technique = -1;
  }
  void Open(int lights) {
    Close();
    Program().SetTechnique(kTechniques[lights]);
    unsigned passes = 0;
    Program().Begin(&passes);
    Program().BeginPass(0);
    technique = lights;
  }
  // Whether a face drawn from `first` in `state` can join the run.
  bool Joins(const FaceState& state, uint32_t first) const {
    return runCount > 0 && state == runState && first == runFirst + runCount;
  }
};

MapRenderer::MapRenderer(platform::RenderDevice& device, TextureManager& textures, platform::Texture* defaultTexture,
                         BspMap& map)
    : device_(device),
      map_(map),
      gpu_(device, textures, defaultTexture, map.GetRenderData()),
      batches_(device, map.Data(), map.GetRenderData()) {}

void MapRenderer::SetLights(const MapLight* lights, int count) {
  lightCount_ = std::clamp(count, 0, 2);
  std::copy(lights, lights + lightCount_, lights_);
}

MapDrawStats MapRenderer::Draw(Effect& effect, const MapView& view) {
  MapDrawStats stats;
  MapRenderData& data = map_.GetRenderData();
  if (!map_.IsVisLocked()) {
    // A face whose texture no pass draws keeps its mark; starting clean keeps it listed.
    std::fill(data.FaceQueued().begin(), data.FaceQueued().end(), 0);
    walk_.Collect(map_.Data(), data.GetTextureFlags(), view.frustum, view.eye, map_.GetCameraCluster(),
                  data.FaceQueued());
  }
  if (!gpu_.Vertices() || !batches_.Indices()) return stats;
  batches_.Update(map_.Data(), data, walk_);

  Profiler* profiler = Engine::Get()->GetProfiler();
  profiler->Start("MapFaceRender");
  Pass pass{effect, view, stats};
  DrawFaces(pass, false, true);
  DrawFaces(pass, false, false);
  device_.SetAlphaBlend(true);
  device_.SetAlphaTest(true, platform::CompareFunc::GreaterEqual, 80);
  device_.SetCullMode(platform::CullMode::None);
  DrawFaces(pass, true, false);
  device_.SetCullMode(platform::CullMode::CounterClockwise);
  device_.SetAlphaTest(false, platform::CompareFunc::Always, 0);
  device_.SetAlphaBlend(false);
  profiler->Stop("MapFaceRender");
  return stats;
}

void MapRenderer::DrawFaces(Pass& pass, bool alpha, bool occluder) {
  const BspData& map = map_.Data();
  const std::vector<TextureRenderFlags>& flags = map_.GetRenderData().GetTextureFlags();
  std::vector<uint8_t>& queued = map_.GetRenderData().FaceQueued();
  platform::EffectProgram& program = pass.Program();
  program.SetTexture("lightMap", gpu_.FallbackLightmap());
  pass.lightmap = gpu_.FallbackLightmap();
  for (size_t t = 0; t < flags.size(); ++t) {
    const std::span<const MapFaceBatches::Face> faces = batches_.FacesOf(t);
    if (faces.empty() || bool(flags[t].alpha) != alpha || bool(flags[t].occluder) != occluder) continue;
    program.SetTexture("textureMap", gpu_.TextureImage(t));
    program.CommitChanges();
    for (const MapFaceBatches::Face& entry : faces) {
      const BspFace& face = map.faces[size_t(entry.face)];
      queued[size_t(entry.face)] = 0;
      pass.stats.faces += 1;
      pass.stats.triangles += face.meshVertexCount / 3;
      const FaceLighting lighting = LightsReachingFace(map, face, lights_, lightCount_);
      pass.stats.facesByLights[lighting.count] += 1;
      if (entry.indexCount == 0) continue;
      const platform::Texture* lightmap = flags[t].noLightmap ? nullptr : gpu_.Lightmap(face.lightmap);
      const FaceState state{pass.view.lightmaps && lightmap ? lightmap : gpu_.FallbackLightmap(), lighting.count,
                            lighting.count == 1 ? lighting.first : -1};
      const bool billboard = flags[t].billboard;
      if (!billboard && pass.Joins(state, entry.firstIndex)) {
        pass.runCount += entry.indexCount;
        continue;
      }
      Flush(pass);
      const bool changed = Apply(pass, state);
      if (billboard) {
        DrawBillboard(pass, face, entry);
        continue;
      }
      if (changed) program.CommitChanges();
      pass.runState = state;
      pass.runFirst = entry.firstIndex;
      pass.runCount = entry.indexCount;
    }
    Flush(pass);
  }
  pass.Close();
}

bool MapRenderer::Apply(Pass& pass, const FaceState& state) {
  platform::EffectProgram& program = pass.Program();
  bool changed = false;
  if (state.lightmap != pass.lightmap) {
    program.SetTexture("lightMap", state.lightmap);
    pass.lightmap = state.lightmap;
    changed = true;
  }
  if (state.lights != pass.technique) {
    pass.Open(state.lights);
    if (state.lights == 2) {
      SetLight(program, "lightPos1", "lightDir1", lights_[0]);
      SetLight(program, "lightPos2", "lightDir2", lights_[1]);
      changed = true;
    }
  }
  if (state.lights == 1) {
    SetLight(program, "lightPos1", "lightDir1", lights_[state.light]);
    changed = true;
  }
  return changed;
}

void MapRenderer::Flush(Pass& pass) {
  if (pass.runCount == 0) return;
  device_.DrawIndexedPrimitive(platform::PrimitiveType::TriangleList, *gpu_.Vertices(), *batches_.Indices(),
                               MapGpuData::Layout(), 0, pass.runFirst, pass.runCount / 3);
  pass.stats.draws += 1;
  pass.runCount = 0;
}

void MapRenderer::DrawBillboard(Pass& pass, const BspFace& face, const MapFaceBatches::Face& entry) {
  const platform::Matrix world = BillboardWorld(map_.Data(), face, pass.view.look);
  pass.effect.SetTransforms(world, world);
  pass.Program().CommitChanges();
  pass.runFirst = entry.firstIndex;
  pass.runCount = entry.indexCount;
  Flush(pass);
  pass.effect.SetTransforms(platform::MatrixIdentity(), platform::MatrixIdentity());
  pass.Program().CommitChanges();
}
