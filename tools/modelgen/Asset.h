#pragma once
#include <functional>
#include <string>
#include <vector>

#include "platform/xfile/Model.h"
#include "tools/modelgen/Image.h"

namespace modelgen {

// A texture by the name the model's material or texture-swap list gives it; the game loads it
// from "textures/" + name.
struct Texture {
  std::string name;
  Image image;
};

// One model file of the demo: the name the game asks for (the file is "models/" + name in
// lower case + ".x"), its textures and its texture-swap list (empty when it has none).
struct ModelAsset {
  std::string name;
  platform::xfile::Model model;
  std::vector<Texture> textures;
  std::vector<std::string> swaps;
};

// Halves and the whole of a prop's texture, a little inside its edges.
constexpr UvRect kLeft{0.02f, 0.02f, 0.48f, 0.98f}, kRight{0.52f, 0.02f, 0.98f, 0.98f};
constexpr UvRect kAll{0.02f, 0.02f, 0.98f, 0.98f};

// A prop of the shapes built, in frame `frame`, with one texture "models/<name>.png" of
// size x size pixels on a `ground` colour, painted by `paint`.
ModelAsset PaintedProp(const std::string& name, const std::string& frame, const ShapeBuilder& shape,
                       int size, Rgb ground, const std::function<void(Image&)>& paint,
                       float alpha = 1);

// A model of one unanimated mesh in one frame, with one material showing `texture`.
platform::xfile::Model StaticModel(const std::string& frameName,
                                   platform::xfile::MeshContainer mesh);
platform::xfile::Material TexturedMaterial(const std::string& texture, float alpha = 1);

}  // namespace modelgen
