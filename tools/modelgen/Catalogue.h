#pragma once
#include <string>
#include <vector>

#include "tools/modelgen/Asset.h"

namespace modelgen {

// Every model of the demo: the characters "thief", "femaleThief" and "guard", then the props,
// then the exhibits.
std::vector<ModelAsset> DemoModels();

// Where the game loads a model name from: "models/" + the lower-cased name + ".x".
std::string ModelPath(const std::string& name);

struct OutputFile {
  std::string path;  // relative to the data tree
  std::string bytes;
};

// The model files and their textures ("textures/" + texture name), ready to write.
std::vector<OutputFile> DemoModelFiles();

}  // namespace modelgen
