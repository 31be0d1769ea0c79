#include "physics/ClusterInfo.h"
#include "physics/MapIndexComp.h"
#include "physics/Physics.h"

ClusterInfo::~ClusterInfo() {
  if (Physics* physics = ActivePhysics()) physics->RemoveClusterInfo(this);
}

void ClusterInfo::Activate() {
  if (Physics* physics = ActivePhysics()) physics->AddClusterInfo(this);
}

MapIndexComp::~MapIndexComp() {
  if (Physics* physics = ActivePhysics()) physics->RemoveMapIndexComp(this);
}

void MapIndexComp::Activate() {
  if (Physics* physics = ActivePhysics()) physics->AddMapIndexComp(this);
}
