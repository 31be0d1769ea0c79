#pragma once
#include <string>

#include "graphics/Camera.h"

class BspMap;
class Engine;
class Entity;

// The camera flight over a map shown the first time the user's thief is in it. The path is held
// by name, not by address: the physics restart of every game start rebuilds the path table. The
// flight ends at the thief's own view, kept as the path's last point while it flies.
class FlyThrough {
 public:
  explicit FlyThrough(Engine& engine) : engine_(engine) {}
  // Flies the map's path once per run: the path named `teleporterPath` when it has points (the
  // teleporter the thief came through), else the map's own ("Maps/" + name). Makes its camera
  // the active one. Returns false, changing nothing, when the map was shown before.
  bool Start(BspMap& map, const std::string& teleporterPath, Entity* player);
  // Takes the thief's point off the path and stops the camera; false when no flight runs.
  bool End();
  bool IsRunning() const { return running_; }
  // The flight ends where the thief's camera is now.
  void FollowPlayer(Entity& player);

 private:
  void SetLastPoint(Entity& player, bool append);

  Engine& engine_;
  bool running_ = false;
  bool pointAppended_ = false;
  std::string pathName_;
  Camera camera_;
};
