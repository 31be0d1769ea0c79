#include "tools/modelgen/Asset.h"

namespace modelgen {

using namespace platform::xfile;

Model StaticModel(const std::string& frameName, MeshContainer mesh) {
  Model model;
  Frame frame;
  frame.name = frameName;
  frame.meshes = {0};
  model.frames.push_back(std::move(frame));
  model.meshes.push_back(std::move(mesh));
  return model;
}

Material TexturedMaterial(const std::string& texture, float alpha) {
  Material m;
  m.diffuse = {1, 1, 1, alpha};
  m.power = 10;
  m.specular = {0.2f, 0.2f, 0.2f};
  m.textureFilename = texture;
  return m;
}

}  // namespace modelgen
