#pragma once
#include <string>

#include "entity/EntityClass.h"
#include "graphics/ModelComp.h"
#include "physics/ClusterInfo.h"
#include "physics/PhysicalComp.h"

// The plainest entity that shows a model: a static placement, a cluster and a model, with no
// messages of its own. Used for the emblem, the GUI's 3-D models and carried items.
class ModelEnt : public EntityClass<ModelEnt> {
 public:
  static constexpr char kClassName[] = "ModelEnt";
  static void Describe(ClassBuilder<ModelEnt>& c);
  static void RegisterClass() { RegisterEntityClass<ModelEnt>("GraphicsLog"); }

  ModelEnt();
  // Loads FileName into the model; the model's own saved name is left as it is.
  void OnCreate() override;

  std::string FileName;
  PhysicalComp physical;
  ClusterInfo clusterInfo;
  ModelComp model;
};
