#pragma once
#include <functional>
#include <memory>
#include <set>
#include <string>

#include "graphics/ModelRecord.h"
#include "graphics/ResourceManager.h"

struct MeshInfo;

// Models by name, loaded on first use from "models/" + name + ".x" and shared by every user
// until the last one gives it back. A file that cannot be read is reported once on
// "GraphicsLog" and not tried again; its users stay without a model.
class ModelManager : public ResourceManager<ModelRecord> {
 public:
  // The MeshInfo record of a load path, created with its defaults when absent.
  using MeshInfoLookup = std::function<MeshInfo&(const std::string& path)>;

  ModelManager(platform::RenderDevice* device, TextureManager* textures, MeshInfoLookup meshInfo);

 protected:
  std::unique_ptr<ModelRecord> Load(const std::string& path) override;

 private:
  platform::RenderDevice* device_;
  TextureManager* textures_;
  MeshInfoLookup meshInfo_;
  std::set<std::string> failed_;
};
