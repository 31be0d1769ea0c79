#include "graphics/MapGpuData.h"

#include <filesystem>

#include "engine/Engine.h"
#include "graphics/TextureManager.h"
#include "platform/core/Files.h"

namespace {

// The texture manager reads "textures/" + name, or the name alone when it already starts so.
bool TextureFileExists(const std::string& name) {
  std::string path = TextureManager::ToKey(name);
  if (path.rfind("textures/", 0) != 0) path = "textures/" + path;
  std::error_code error;
  return std::filesystem::is_regular_file(platform::ResolvePath(path), error);
}

}  // namespace

MapGpuData::MapGpuData(platform::RenderDevice& device, TextureManager& textures, platform::Texture* defaultTexture,
                       const MapRenderData& data)
    : textures_(textures) {
  const std::vector<MapVertex>& vertices = data.GetVertices();
  if (!vertices.empty()) {
    vertices_ = std::make_unique<platform::VertexBuffer>(device, vertices.size() * sizeof(MapVertex),
                                                         platform::BufferUsage::Static, vertices.data());
  }
  for (const std::string& name : data.GetTextureNames()) images_.push_back(FindImage(name, defaultTexture));
  for (const LightmapImage& image : data.GetLightmaps())
    lightmaps_.push_back(platform::Texture::FromPixels(device, kLightmapSize, kLightmapSize, image.data()));
  const uint8_t white[4] = {255, 255, 255, 255};
  fallbackLightmap_ = platform::Texture::FromPixels(device, 1, 1, white);
}

MapGpuData::~MapGpuData() {
  for (const platform::Texture* image : held_) textures_.Release(image);
}

const platform::VertexLayout& MapGpuData::Layout() {
  using platform::VertexFormat;
  using platform::VertexSemantic;
  static const platform::VertexLayout layout({{VertexSemantic::Position, VertexFormat::Float3, 0},
                                              {VertexSemantic::Normal, VertexFormat::Float3, 12},
                                              {VertexSemantic::TexCoord0, VertexFormat::Float2, 24},
                                              {VertexSemantic::TexCoord1, VertexFormat::Float2, 32}},
                                             sizeof(MapVertex));
  return layout;
}

const platform::Texture* MapGpuData::Lightmap(int32_t index) const {
  return index >= 0 && size_t(index) < lightmaps_.size() ? lightmaps_[size_t(index)].get() : nullptr;
}

// The first candidate file that exists and loads. Files that do not exist are not asked for,
// so the texture manager only reports images that are there but broken.
const platform::Texture* MapGpuData::FindImage(const std::string& name, platform::Texture* defaultTexture) {
  for (const std::string& candidate : TextureFileCandidates(name)) {
    if (!TextureFileExists(candidate)) continue;
    platform::Texture* image = textures_.GetOrLoad(candidate);
    if (image && image != defaultTexture && image != &textures_.Checker()) {
      held_.push_back(image);
      return image;
    }
    textures_.Release(image);
  }
  Engine::Get()->GetLog()->Write("GraphicsLog", "Map texture " + name + " not found; drawn with the default texture", 0);
  return defaultTexture ? defaultTexture : &textures_.Checker();
}
