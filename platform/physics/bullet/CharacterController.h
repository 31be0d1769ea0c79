#pragma once
#include <btBulletDynamicsCommon.h>

#include <memory>
#include <vector>

#include "platform/physics/Controller.h"
#include "platform/physics/Scene.h"

namespace platform::physics::bullet {

class BulletActor;
class BulletShape;

// Our own synchronous collide-and-slide controller on convex sweeps. A move goes up by the step
// offset (when it has a sideways part), slides sideways, then comes down by what it went up plus
// any downward part; walls and slopes steeper than the limit stop the slide like walls. Static
// shapes and other controllers block it; dynamic bodies do not (its proxy pushes them aside),
// but they are reported as touched.
class CharacterController : public Controller {
 public:
  CharacterController(Scene::Impl& scene, const ControllerDesc& desc);
  ~CharacterController() override;

  uint32_t Move(const Vec3& displacement, uint32_t activeGroups, float minDist, float sharpness) override;
  bool SetPosition(const Vec3& position) override;
  Vec3 GetPosition() const override;
  Actor* GetActor() const override;
  ControllerType GetType() const override { return desc_.type; }
  void SetExtents(const Vec3& halfExtents) override;
  void SetRadius(float radius) override;
  void SetStepOffset(float offset) override;
  void SetCollision(bool enabled) override;

 private:
  struct Touch {
    BulletActor* actor;
    BulletShape* shape;
    btVector3 point, normal;
  };
  struct Sweep {
    bool hit = false;
    btVector3 normal{0, 0, 0};
  };

  bool Alive() const;
  void Reshape();
  Sweep SweepMove(const btVector3& motion, uint32_t groups, std::vector<Touch>& touches);
  uint32_t MoveOnce(const btVector3& displacement, uint32_t groups, float minDist, bool allowStep,
                    std::vector<Touch>& touches, bool& steppedOntoSteep);
  void Recover(uint32_t groups);
  void Report(const std::vector<Touch>& touches, const btVector3& displacement);

  Scene::Impl* scene_;
  ControllerDesc desc_;
  btVector3 position_;
  std::unique_ptr<btConvexShape> sweepShape_;
  btCollisionObject probe_;
  BulletActor* proxy_ = nullptr;
  // Set when something may have put the controller inside a shape (creation, placing, resizing,
  // a sweep that began inside the skin); only then does a move first look for overlaps.
  bool mayOverlap_ = true;
};

}  // namespace platform::physics::bullet
