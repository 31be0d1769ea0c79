#include "graphics/ModelEnt.h"

void ModelEnt::Describe(ClassBuilder<ModelEnt>& c) {
  c.Component(&ModelEnt::physical);
  c.Component(&ModelEnt::clusterInfo);
  c.Component(&ModelEnt::model);
  c.Field("FileName", &ModelEnt::FileName);
  c.Field("ModelComp", &ModelEnt::model);
}

ModelEnt::ModelEnt() { physical.isStatic = 1; }

void ModelEnt::OnCreate() {
  if (!FileName.empty()) model.Load(FileName);
}
