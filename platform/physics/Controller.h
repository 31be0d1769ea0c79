#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/physics/Reports.h"
#include "platform/physics/Vector.h"

namespace platform::physics {

class Actor;
class Scene;

enum class ControllerType : uint32_t { Box = 0, Capsule = 1 };

// A character that moves by collide-and-slide. Its position is the centre of its shape: a box
// (half extents) or a capsule standing along z (radius, `height` of the straight part).
struct ControllerDesc {
  ControllerType type = ControllerType::Box;
  Vec3 position;
  Vec3 extents{0.5f, 0.5f, 1};
  float radius = 0.5f;
  float height = 0;
  float slopeLimit = 0.707f;  // cosine of the steepest walkable slope
  float skinWidth = 0.1f;     // gap kept to every surface
  float stepOffset = 0.5f;    // highest step climbed
  ControllerHitReport* callback = nullptr;
  uint32_t contactReportFlags = 0;  // ContactEvent bits for the proxy's contacts with bodies
  void* userData = nullptr;
};

// A character controller. Its proxy actor (GetActor) is a kinematic body of the controller's
// size plus the skin: rays hit it, dynamic bodies are pushed by it and contact it, and setting
// its position moves the controller. Moves are synchronous: the new position holds on return.
class Controller {
 public:
  virtual ~Controller() = default;

  // Moves by `displacement`, colliding with the shapes whose group bit is set in activeGroups
  // (an empty mask passes through everything), climbing steps up to the step offset, sliding
  // along walls and slopes steeper than the slope limit, and following the floor down by the
  // step offset. Parts shorter than minDist are not attempted. `sharpness` is accepted and not
  // used (moves are not smoothed). Returns ControllerCollision bits; calls the hit report once
  // per shape and per other controller that the move touched.
  virtual uint32_t Move(const Vec3& displacement, uint32_t activeGroups, float minDist,
                        float sharpness) = 0;
  virtual bool SetPosition(const Vec3& position) = 0;  // placed there, no collision
  virtual Vec3 GetPosition() const = 0;
  virtual Actor* GetActor() const = 0;
  virtual ControllerType GetType() const = 0;
  virtual void SetExtents(const Vec3& halfExtents) = 0;  // box controllers only
  virtual void SetRadius(float radius) = 0;              // capsule controllers only
  virtual void SetStepOffset(float offset) = 0;
  // Whether the proxy takes part in the simulation (contacts and pushing); on when created.
  virtual void SetCollision(bool enabled) = 0;

  void* userData = nullptr;
};

// Owns the controllers. Destroying it releases every controller it still holds.
class ControllerManager {
 public:
  ControllerManager();
  ~ControllerManager();
  ControllerManager(const ControllerManager&) = delete;
  ControllerManager& operator=(const ControllerManager&) = delete;

  // Null when the scene is null or the description is unusable (sizes not positive).
  Controller* CreateController(Scene* scene, const ControllerDesc& desc);
  // Releases the controller and its proxy actor. Null and controllers it does not hold
  // (already released) are ignored.
  void ReleaseController(Controller* controller);
  uint32_t GetNbControllers() const;
  void PurgeControllers();

 private:
  std::vector<std::unique_ptr<Controller>> controllers_;
};

}  // namespace platform::physics
