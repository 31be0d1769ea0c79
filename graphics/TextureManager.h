#pragma once
#include <map>
#include <memory>
#include <set>
#include <string>

#include "graphics/GraphicsLists.h"
#include "graphics/ResourceManager.h"
#include "platform/render/ImageData.h"
#include "platform/render/Texture.h"

// Textures by name, loaded on first use from "textures/" + name at the size their texture
// record asks for. A texture that cannot be loaded (missing, cut short, not an image, absurd
// sizes) is reported once on "GraphicsLog" and the default texture stands in for it, so
// drawing never meets a null texture; when the default texture itself fails, a checker does.
// Each file is decoded once per run: its image is kept when its texture is released, and a
// later load (the next game's) puts the kept image on the GPU again.
class TextureManager : public ResourceManager<platform::Texture> {
 public:
  using Records = std::map<std::string, TextureInfo>;

  TextureManager(platform::RenderDevice& device, Records& records);

  // The texture record of a load path, created with its defaults when absent.
  static TextureInfo& RecordOf(Records& records, const std::string& path);

  // Names the texture that stands in for those that fail.
  void SetDefaultName(const std::string& name) { defaultName_ = ToKey(name); }
  const platform::Texture& Checker() const { return *checker_; }

 protected:
  std::unique_ptr<platform::Texture> Load(const std::string& path) override;
  platform::Texture* OnLoadFailed(const std::string& key, const std::string& path) override;

 private:
  platform::RenderDevice& device_;
  Records& records_;
  std::unique_ptr<platform::Texture> checker_;
  std::string defaultName_;
  // Paths that failed once: not tried or reported again.
  std::set<std::string> failed_;
  // The images decoded so far, by path and the size their record asked for.
  std::map<std::string, platform::ImageData> images_;
};
