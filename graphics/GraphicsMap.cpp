#include "graphics/GraphicsMap.h"

#include <algorithm>
#include <iterator>

#include "engine/VariableTable.h"
#include "map/BspMap.h"

GraphicsMap::GraphicsMap() = default;
GraphicsMap::~GraphicsMap() = default;

void GraphicsMap::SetCurrent(BspMap* map, platform::RenderDevice* device, TextureManager* textures,
                             platform::Texture* defaultTexture) {
  if (GetCurrent() == map) return;
  renderer_.reset();
  if (!map || !device || !textures || !map->IsLoaded()) return;
  renderer_ = std::make_unique<MapRenderer>(*device, *textures, defaultTexture, *map);
  BindIntVariable("0 lights", &facesByLights_[0]);
  BindIntVariable("1 light", &facesByLights_[1]);
  BindIntVariable("2 lights", &facesByLights_[2]);
}

BspMap* GraphicsMap::GetCurrent() { return renderer_ ? &renderer_->GetMap() : nullptr; }

void GraphicsMap::SetLights(const MapLight* lights, int count) {
  if (renderer_) renderer_->SetLights(lights, count);
}

MapDrawStats GraphicsMap::Draw(Effect& effect, const MapView& view) {
  if (!renderer_) return {};
  const MapDrawStats stats = renderer_->Draw(effect, view);
  std::copy(std::begin(stats.facesByLights), std::end(stats.facesByLights), facesByLights_);
  return stats;
}
