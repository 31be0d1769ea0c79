#pragma once
#include <cstdint>
#include <memory>

#include "graphics/MapRenderer.h"

class BspMap;

// The map the frame draws, with its faces on the graphics card, and the last frame's count of
// its faces by how many flashlights reached them ("0 lights", "1 light", "2 lights").
class GraphicsMap {
 public:
  GraphicsMap();
  ~GraphicsMap();

  // The map's faces go to the graphics card when it becomes current; a map made current again
  // after another one is uploaded again. A map that is not loaded (or no device) draws nothing.
  void SetCurrent(BspMap* map, platform::RenderDevice* device, TextureManager* textures,
                  platform::Texture* defaultTexture);
  BspMap* GetCurrent();
  void Release() { renderer_.reset(); }
  // The flashlights that may light the current map's faces from this frame on.
  void SetLights(const MapLight* lights, int count);
  // Draws the current map, if any, with `effect`, whose view and projection are already set.
  MapDrawStats Draw(Effect& effect, const MapView& view);

 private:
  std::unique_ptr<MapRenderer> renderer_;
  int32_t facesByLights_[3] = {0, 0, 0};
};
