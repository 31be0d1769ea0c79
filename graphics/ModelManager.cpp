#include "graphics/ModelManager.h"

#include "engine/Engine.h"

ModelManager::ModelManager(platform::RenderDevice* device, TextureManager* textures, MeshInfoLookup meshInfo)
    : ResourceManager<ModelRecord>("models/", ".x"),
      device_(device),
      textures_(textures),
      meshInfo_(std::move(meshInfo)) {}

std::unique_ptr<ModelRecord> ModelManager::Load(const std::string& path) {
  if (failed_.count(path)) return nullptr;
  Engine* engine = Engine::Get();
  engine->GetConsole()->Print("Loading model " + path, Console::kWhite);
  std::string error;
  std::unique_ptr<ModelRecord> record = ModelRecord::Load(path, device_, textures_, &error);
  if (!record) {
    failed_.insert(path);
    engine->GetLog()->Write("GraphicsLog", "Failed loading model " + path, 2);
    engine->GetLog()->Write("GraphicsLog", error, 0);
    return nullptr;
  }
  if (meshInfo_) record->meshInfo = &meshInfo_(path);
  return record;
}
