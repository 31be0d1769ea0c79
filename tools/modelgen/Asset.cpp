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

ModelAsset PaintedProp(const std::string& name, const std::string& frame, const ShapeBuilder& shape,
                       int size, Rgb ground, const std::function<void(Image&)>& paint,
                       float alpha) {
  const std::string texture = "models/" + name + ".png";
  Image image(size, size, ground);
  paint(image);
  image.Grain(4);
  return {name,
          StaticModel(frame, shape.Finish(frame + "Mesh", {TexturedMaterial(texture, alpha)})),
          {{texture, image}},
          {}};
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
