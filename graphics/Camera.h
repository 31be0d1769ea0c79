#pragma once
#include "entity/Component.h"
#include "physics/PhysicsSeams.h"
#include "platform/math/Vector.h"

// A point of view, found as "Camera": a position and three direction vectors that its owners
// move and turn; the renderer draws the world from the active one. Drives nothing by itself;
// a camera path of the physics system flies it through a map.
class Camera : public Component, public PathCamera {
 public:
  static constexpr char kComponentName[] = "Camera";
  void Activate() override {}

  // Where the path puts the camera and where it looks; up and right stay as they are. The map
  // is drawn as seen from the reference position, so it goes along: left behind, it would show
  // the map as seen from wherever the camera stood before the flight.
  void SetPathPose(const platform::Vector3& pathPosition, const platform::Vector3& lookDirection) override {
    position = pathPosition;
    referencePosition = pathPosition;
    direction = lookDirection;
  }

  // Turns about the vertical, up with it, so that the look keeps its height; right stays
  // horizontal.
  void Yaw(float angle);
  // Turns about the right vector, only while |direction.z - angle| <= 0.8.
  void Pitch(float angle);

  // Written by the owners (the camera-path editor keeps its current position here).
  platform::Vector3 referencePosition;
  platform::Vector3 position{143, -450, 25};
  platform::Vector3 direction{0, 1, -0.1f};
  platform::Vector3 up{0, 0, 1};
  platform::Vector3 right{-1, 0, 0};
};
