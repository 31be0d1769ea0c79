#pragma once
#include <cstdint>

#include "platform/math/Quaternion.h"
#include "platform/math/Vector.h"

// What the physics system asks of its neighbours without linking them: the graphics draw debug
// shapes and tell where the active camera is, the current map answers cluster questions
// (map/ClusterMap.h), a camera component is moved along a path, and the thieves tell which of
// them the user steers. Each neighbour implements its interface and hands it to Physics; until
// then physics draws nothing, finds cluster 0 and moves no camera.

// Debug shapes are queued only while the graphics' debug drawing is switched on: the
// implementation decides, physics always calls.
class PhysicsGraphics {
 public:
  virtual ~PhysicsGraphics() = default;
  virtual void AddDebugLine(const platform::Vector3& start, const platform::Vector3& end, uint32_t argb) = 0;
  virtual void AddDebugBox(const platform::Vector3& centre, const platform::Vector3& size,
                           const platform::Quaternion& orientation, uint32_t argb) = 0;
  virtual void AddDebugSphere(const platform::Vector3& centre, float radius, uint32_t argb) = 0;
  // The active camera's reference position, or null when no camera is active.
  virtual const platform::Vector3* GetCameraReference() = 0;
};

// The camera that a path moves: its position and look direction are written.
class PathCamera {
 public:
  virtual ~PathCamera() = default;
  virtual void SetPathPose(const platform::Vector3& position, const platform::Vector3& lookDirection) = 0;
};

class Entity;

// Which characters the user steers: noclip carries only those.
class UserControl {
 public:
  virtual ~UserControl() = default;
  virtual bool IsUserControlled(Entity& character) const = 0;
};
