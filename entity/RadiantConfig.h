#pragma once
#include <string>

#include "entity/Component.h"

// How an entity class looks in the level editor. Optional: classes without it are exported
// with a default box and colour.
class RadiantConfig : public Component {
 public:
  static constexpr char kComponentName[] = "RadiantConfig";
  void Activate() override {}

  std::string color;  // three numbers
  std::string size;   // the bounding box as six numbers
  std::string model;  // a model path
};
