#include "map/MapRenderer.h"

#include <algorithm>
#include <cmath>

#include "engine/Engine.h"
#include "graphics/Effect.h"
#include "map/BspMap.h"
#include "platform/math/Matrix.h"
#include "platform/render/RenderDevice.h"

namespace {

const char* const kTechniques[3] = {"LightMap0Lights", "LightMap1Light", "LightMap2Lights"};
constexpr int32_t kNoLightmap = INT32_MIN;

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

// The state of one DrawFaces call: the open technique and the lightmap bound last.
struct MapRenderer::Pass {
  Effect& effect;
  const MapView& view;
  MapDrawStats& stats;
  int technique = -1;
  int32_t lightmap = kNoLightmap;

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
};

MapRenderer::MapRenderer(platform::RenderDevice& device, TextureManager& textures, platform::Texture* defaultTexture,
                         BspMap& map)
    : device_(device), map_(map), gpu_(device, textures, defaultTexture, map.GetRenderData()) {}

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
  if (!gpu_.Vertices() || !gpu_.Indices()) return stats;

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
  pass.lightmap = kNoLightmap;
  for (size_t t = 0; t < walk_.Lists().size() && t < flags.size(); ++t) {
    const std::vector<QueuedFace>& list = walk_.Lists()[t];
    if (list.empty() || bool(flags[t].alpha) != alpha || bool(flags[t].occluder) != occluder) continue;
    program.SetTexture("textureMap", gpu_.TextureImage(t));
    program.CommitChanges();
    for (const QueuedFace& entry : list) {
      const BspFace& face = map.faces[size_t(entry.face)];
      queued[size_t(entry.face)] = 0;
      pass.stats.faces += 1;
      pass.stats.triangles += face.meshVertexCount / 3;
      bool changed = false;
      if (pass.view.lightmaps && (face.lightmap != pass.lightmap || flags[t].noLightmap)) {
        const platform::Texture* lightmap = flags[t].noLightmap ? nullptr : gpu_.Lightmap(face.lightmap);
        program.SetTexture("lightMap", lightmap ? lightmap : gpu_.FallbackLightmap());
        pass.lightmap = lightmap ? face.lightmap : kNoLightmap;
        changed = true;
      }
      const FaceLighting lighting = LightsReachingFace(map, face, lights_, lightCount_);
      if (lighting.count != pass.technique) {
        pass.Open(lighting.count);
        if (lighting.count == 2) {
          SetLight(program, "lightPos1", "lightDir1", lights_[0]);
          SetLight(program, "lightPos2", "lightDir2", lights_[1]);
          changed = true;
        }
      }
      if (lighting.count == 1) {
        SetLight(program, "lightPos1", "lightDir1", lights_[lighting.first]);
        changed = true;
      }
      pass.stats.facesByLights[lighting.count] += 1;
      if (face.type != kFacePolygon && face.type != kFaceMesh) continue;
      const bool billboard = flags[t].billboard && face.meshVertexCount >= 3;
      if (billboard) {
        const platform::Matrix world = BillboardWorld(map, face, pass.view.look);
        pass.effect.SetTransforms(world, world);
        changed = true;
      }
      if (changed) program.CommitChanges();
      device_.DrawIndexedPrimitive(platform::PrimitiveType::TriangleList, *gpu_.Vertices(), *gpu_.Indices(),
                                   MapGpuData::Layout(), face.firstVertex, uint32_t(face.firstMeshVertex),
                                   uint32_t(face.meshVertexCount / 3));
      if (billboard) {
        pass.effect.SetTransforms(platform::MatrixIdentity(), platform::MatrixIdentity());
        program.CommitChanges();
      }
    }
  }
  pass.Close();
}
