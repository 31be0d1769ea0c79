#pragma once
#include <btBulletDynamicsCommon.h>

#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/physics/Scene.h"
#include "platform/physics/bullet/BulletActor.h"
#include "platform/physics/bullet/ContactTracker.h"

namespace platform::physics {

// The simulator objects of one scene, and the actors it owns.
struct Scene::Impl {
  Impl(Scene& owner, const SceneDesc& desc, const PhysicsSdk& sdk);
  ~Impl();

  bullet::BulletActor* Adopt(std::unique_ptr<bullet::BulletActor> actor);
  bool Owns(const Actor* actor) const { return actors.count(const_cast<Actor*>(actor)) != 0; }
  // Frees an actor of this scene (its pairs forgotten, its body out of the world).
  void Destroy(bullet::BulletActor* actor);
  bool ContinuousCollision() const;

  Scene& owner;
  SceneDesc desc;
  const PhysicsSdk& sdk;
  btDefaultCollisionConfiguration configuration;
  btCollisionDispatcher dispatcher{&configuration};
  btDbvtBroadphase broadphase;
  btSequentialImpulseConstraintSolver solver;
  btDiscreteDynamicsWorld world{&dispatcher, &broadphase, &solver, &configuration};
  std::vector<Material> materials{Material{}};
  std::unordered_map<Actor*, std::unique_ptr<bullet::BulletActor>> actors;
  bullet::ContactTracker tracker;
  DebugRenderable debug;
};

}  // namespace platform::physics
