#include <algorithm>
#include <iterator>

#include "engine/Engine.h"
#include "engine/VariableTable.h"
#include "graphics/Graphics.h"
#include "map/BspMap.h"
#include "map/MapRenderer.h"

namespace {

// "0 lights", "1 light", "2 lights": the map faces of the last frame by how many flashlights
// reached them.
int32_t facesByLights[3] = {0, 0, 0};

}  // namespace

// The map's faces go to the graphics card when it becomes current; a map made current again
// after another one is uploaded again.
void Graphics::SetCurrentMap(BspMap* map) {
  if (GetCurrentMap() == map) return;
  mapRenderer_.reset();
  if (!map || !device_ || !map->IsLoaded()) return;
  mapRenderer_ = std::make_unique<MapRenderer>(*device_, *textures_, defaultTexture_, *map);
  BindIntVariable("0 lights", &facesByLights[0]);
  BindIntVariable("1 light", &facesByLights[1]);
  BindIntVariable("2 lights", &facesByLights[2]);
}

BspMap* Graphics::GetCurrentMap() { return mapRenderer_ ? &mapRenderer_->GetMap() : nullptr; }

void Graphics::DrawMap(const platform::Matrix& view, const platform::Vector3& eye, const platform::Vector3& look) {
  Profiler* profiler = Engine::Get()->GetProfiler();
  profiler->Start("MapRender");
  Effect* effect = showMap_ && mapRenderer_ ? effects_->Get(mapEffectName_) : nullptr;
  if (effect) {
    effect->SetViewProjection(view, projection_);
    effect->SetTransforms(world_, world_);
    const platform::Vector3 viewVector = platform::Vec3Normalize(look);
    effect->Program().SetFloatArray("viewVector", &viewVector.x, 3);
    const MapDrawStats stats = mapRenderer_->Draw(*effect, MapView{frustum_, eye, look, lightmaps_});
    mapFacesDrawn_ += stats.faces;
    mapTrisDrawn_ += stats.triangles;
    std::copy(std::begin(stats.facesByLights), std::end(stats.facesByLights), facesByLights);
  }
  profiler->Stop("MapRender");
}
