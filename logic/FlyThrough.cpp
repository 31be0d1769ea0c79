#include "logic/FlyThrough.h"

#include "engine/Engine.h"
#include "graphics/Graphics.h"
#include "logic/GameComponents.h"
#include "map/BspMap.h"
#include "physics/Physics.h"

bool FlyThrough::Start(BspMap& map, const std::string& teleporterPath, Entity* player) {
  if (map.IsFlyThroughShown()) return false;
  map.SetFlyThroughShown(true);
  running_ = true;
  pointAppended_ = false;
  // Without a physics system nothing flies: the flight lasts until a key ends it.
  Physics* physics = engine_.GetPhysics();
  if (!physics) return true;
  pathName_ = teleporterPath;
  if (pathName_.empty() || physics->GetInterpNode(pathName_).empty()) pathName_ = map.GetPath();
  if (player) SetLastPoint(*player, true);
  physics->StartCameraPath(&camera_, &physics->GetInterpNode(pathName_), false);
  if (Graphics* graphics = engine_.GetGraphics()) graphics->SetActiveCamera(&camera_);
  return true;
}

bool FlyThrough::End() {
  if (!running_) return false;
  running_ = false;
  Physics* physics = engine_.GetPhysics();
  if (!physics) return true;
  physics->StopCameraPath();
  std::vector<InterpNode>& path = physics->GetInterpNode(pathName_);
  if (pointAppended_ && !path.empty()) path.pop_back();
  pointAppended_ = false;
  if (Graphics* graphics = engine_.GetGraphics(); graphics && graphics->GetActiveCamera() == &camera_)
    graphics->SetActiveCamera(nullptr);
  return true;
}

void FlyThrough::FollowPlayer(Entity& player) {
  if (running_) SetLastPoint(player, false);
}

void FlyThrough::SetLastPoint(Entity& player, bool append) {
  Camera* view = FindCamera(player);
  Physics* physics = engine_.GetPhysics();
  if (!view || !physics) return;
  std::vector<InterpNode>& path = physics->GetInterpNode(pathName_);
  const InterpNode point{view->position, view->direction};
  if (append) {
    path.push_back(point);
    pointAppended_ = true;
  } else if (pointAppended_ && !path.empty()) {
    path.back() = point;
  }
}
