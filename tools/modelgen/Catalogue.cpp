#include "tools/modelgen/Catalogue.h"

#include <algorithm>
#include <cctype>

#include "tools/modelgen/Character.h"
#include "tools/modelgen/Exhibits.h"
#include "tools/modelgen/Props.h"
#include "tools/modelgen/Skins.h"
#include "tools/modelgen/XTextWriter.h"

namespace modelgen {

namespace {

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return char(std::tolower(c)); });
  return s;
}

// A character whose material shows its first skin, every skin on its texture-swap list.
ModelAsset CharacterAsset(const std::string& name, CharacterKind kind) {
  ModelAsset asset{name, {}, {}, {}};
  const std::vector<Image> skins = CharacterSkins(kind);
  for (size_t i = 0; i < skins.size(); ++i) {
    const std::string texture = "models/" + Lower(name) + "_" + std::to_string(i) + ".png";
    asset.textures.push_back({texture, skins[i]});
    asset.swaps.push_back(texture);
  }
  asset.model = BuildCharacter(kind, asset.swaps[0]);
  return asset;
}

}  // namespace

std::string ModelPath(const std::string& name) { return "models/" + Lower(name) + ".x"; }

std::vector<ModelAsset> DemoModels() {
  std::vector<ModelAsset> assets{CharacterAsset("thief", CharacterKind::Thief),
                                 CharacterAsset("femaleThief", CharacterKind::FemaleThief),
                                 CharacterAsset("guard", CharacterKind::Guard)};
  for (ModelAsset& prop : Props()) assets.push_back(std::move(prop));
  for (ModelAsset& exhibit : Exhibits()) assets.push_back(std::move(exhibit));
  return assets;
}

std::vector<OutputFile> DemoModelFiles() {
  std::vector<OutputFile> files;
  for (const ModelAsset& asset : DemoModels()) {
    files.push_back({ModelPath(asset.name), WriteTextModel(asset.model)});
    for (const Texture& t : asset.textures) files.push_back({"textures/" + t.name, t.image.Png()});
  }
  return files;
}

}  // namespace modelgen
