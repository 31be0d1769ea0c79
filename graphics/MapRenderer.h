#pragma once
#include <cstdint>

#include "graphics/MapFaceBatches.h"
#include "graphics/MapGpuData.h"
#include "map/MapFaceLights.h"
#include "map/VisibleFaceWalk.h"
#include "platform/math/Vector.h"

class BspMap;
class Effect;
namespace platform {
class Frustum;
}
class TextureManager;
namespace platform {
class RenderDevice;
}

// Where the map is seen from this frame.
struct MapView {
  const platform::Frustum& frustum;
  platform::Vector3 eye;   // the active camera's reference position
  platform::Vector3 look;  // its look direction (billboards turn towards it)
  bool lightmaps = true;   // off: every face takes the full-light fallback
};

// What one draw put on the screen.
struct MapDrawStats {
  int32_t faces = 0;
  int32_t triangles = 0;
  int32_t facesByLights[3] = {0, 0, 0};
  int32_t draws = 0;  // draw calls: faces that share their state go in one
};

// Draws one loaded map's faces: the visible-face walk, then the queued faces texture by texture
// in three passes (opaque occluders, other opaque faces, alpha faces) with the map effect,
// whose technique follows how many flashlights reach each face ("LightMap0Lights",
// "LightMap1Light", "LightMap2Lights"). Neighbouring faces of a texture that share lightmap,
// technique and light go to the card as one draw (MapFaceBatches); a billboard is drawn alone.
// The map must stay loaded while this lives; a map that is loaded again needs a new renderer.
class MapRenderer {
 public:
  MapRenderer(platform::RenderDevice& device, TextureManager& textures, platform::Texture* defaultTexture,
              BspMap& map);

  // Draws with `effect`, whose view and projection are already set. While the map's
  // visibility is locked the faces of the last unlocked frame are drawn again.
  MapDrawStats Draw(Effect& effect, const MapView& view);

  // The flashlights that may light the faces this frame; at most two are used.
  void SetLights(const MapLight* lights, int count);

  BspMap& GetMap() { return map_; }
  const VisibleFaceWalk& GetVisibleFaces() const { return walk_; }
  const MapFaceBatches& GetBatches() const { return batches_; }
  const MapGpuData& GetGpuData() const { return gpu_; }

 private:
  struct Pass;
  struct FaceState;
  void DrawFaces(Pass& pass, bool alpha, bool occluder);
  // Makes the effect draw with the state of a face; true when parameters changed.
  bool Apply(Pass& pass, const FaceState& state);
  // Draws the faces gathered since the last state change.
  void Flush(Pass& pass);
  void DrawBillboard(Pass& pass, const BspFace& face, const MapFaceBatches::Face& entry);

  platform::RenderDevice& device_;
  BspMap& map_;
  MapGpuData gpu_;
  VisibleFaceWalk walk_;
  MapFaceBatches batches_;
  MapLight lights_[2];
  int lightCount_ = 0;
};
