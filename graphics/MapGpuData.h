#pragma once
#include <memory>
#include <vector>

#include "map/MapRenderData.h"
#include "platform/render/Buffers.h"
#include "platform/render/Texture.h"
#include "platform/render/VertexLayout.h"

class TextureManager;
namespace platform {
class RenderDevice;
}

// A map's render data on the graphics card: one static vertex buffer for all faces, the image of every map texture (through the texture manager; the default texture
// stands in for one found under none of its file names) and a texture per lightmap. A part
// that could not be made stays absent and the map is then not drawn.
class MapGpuData {
 public:
  MapGpuData(platform::RenderDevice& device, TextureManager& textures, platform::Texture* defaultTexture,
             const MapRenderData& data);
  ~MapGpuData();
  MapGpuData(const MapGpuData&) = delete;
  MapGpuData& operator=(const MapGpuData&) = delete;

  // Position, normal, surface and lightmap coordinates: 40 bytes.
  static const platform::VertexLayout& Layout();

  // Null when the map has no geometry to draw.
  const platform::VertexBuffer* Vertices() const { return vertices_.get(); }
  const platform::Texture* TextureImage(size_t texture) const { return images_[texture]; }
  // Null for an index the map has no lightmap for.
  const platform::Texture* Lightmap(int32_t index) const;
  // Full light, for faces without a lightmap and while lightmaps are switched off.
  const platform::Texture* FallbackLightmap() const { return fallbackLightmap_.get(); }

 private:
  const platform::Texture* FindImage(const std::string& name, platform::Texture* defaultTexture);

  TextureManager& textures_;
  std::unique_ptr<platform::VertexBuffer> vertices_;
  std::vector<const platform::Texture*> images_;
  // The images this map holds a use of in the texture manager.
  std::vector<const platform::Texture*> held_;
  std::vector<std::unique_ptr<platform::Texture>> lightmaps_;
  std::unique_ptr<platform::Texture> fallbackLightmap_;
};
