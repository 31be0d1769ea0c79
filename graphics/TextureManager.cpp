#include "graphics/TextureManager.h"

#include "engine/Engine.h"

TextureManager::TextureManager(platform::RenderDevice& device, Records& records)
    : ResourceManager<platform::Texture>("textures/", ""),
      device_(device),
      records_(records),
      checker_(platform::Texture::CreateChecker(device)) {}

TextureInfo& TextureManager::RecordOf(Records& records, const std::string& path) {
  auto [it, added] = records.try_emplace(path);
  if (added) it->second.Name = path;
  return it->second;
}

std::unique_ptr<platform::Texture> TextureManager::Load(const std::string& path) {
  TextureInfo& record = RecordOf(records_, path);
  record.loaded = false;
  if (failed_.count(path)) return nullptr;
  platform::TextureLoadOptions options;
  options.width = record.Width;
  options.height = record.Height;
  const std::string key = path + '@' + std::to_string(options.width) + 'x' + std::to_string(options.height);
  auto image = images_.find(key);
  if (image == images_.end()) {
    platform::ImageData decoded;
    std::string error;
    if (!platform::Texture::ReadImage(path, &decoded, &error, options)) {
      failed_.insert(path);
      Engine::Get()->GetLog()->Write("GraphicsLog", "Failed to load texture " + error, 1);
      return nullptr;
    }
    image = images_.emplace(key, std::move(decoded)).first;
  }
  std::unique_ptr<platform::Texture> texture = platform::Texture::FromImage(device_, image->second);
  record.loaded = texture != nullptr;
  return texture;
}

platform::Texture* TextureManager::OnLoadFailed(const std::string& key, const std::string&) {
  platform::Texture* fallback = nullptr;
  if (!defaultName_.empty() && key != defaultName_) fallback = Get(defaultName_);
  return fallback ? fallback : checker_.get();
}
