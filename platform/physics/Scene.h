#pragma once
#include <cfloat>
#include <cstdint>
#include <memory>

#include "platform/physics/Actor.h"
#include "platform/physics/DebugRenderable.h"
#include "platform/physics/Material.h"
#include "platform/physics/Reports.h"
#include "platform/physics/Vector.h"

namespace platform::physics {

struct SceneDesc {
  Vec3 gravity{0, 0, -500};
  ContactReport* contactReport = nullptr;
  TriggerReport* triggerReport = nullptr;
  float maxTimestep = 1.0f / 60.0f;  // the fixed step
  uint32_t maxIter = 8;              // at most this many fixed steps per Simulate
};

struct Ray {
  Vec3 orig;
  Vec3 dir;  // any length: normalised inside; zero or not finite is a miss
};

struct RaycastHit {
  Shape* shape = nullptr;
  Vec3 worldImpact;
  Vec3 worldNormal;       // faces the ray's origin
  float distance = FLT_MAX;  // FLT_MAX (with impact and normal 0, 0, 0) after a miss
};

// One simulated world. Made by PhysicsSdk::CreateScene. Everything runs on the caller's thread.
class PhysicsSdk;

class Scene {
 public:
  struct Impl;
  Scene(const SceneDesc& desc, const PhysicsSdk& sdk);
  ~Scene();  // releases the world; actors still held elsewhere become husks (see Actor)
  Scene(const Scene&) = delete;
  Scene& operator=(const Scene&) = delete;

  // A new actor, queryable at once (rays hit it before any step). Null when a shape is refused.
  Actor* CreateActor(const ActorDesc& desc);
  // Releases an actor of this scene. Safe for null, for an actor of a scene that is gone (frees
  // its husk only), for an actor that is not the scene's (ignored) and for a controller's proxy
  // (ignored: the controller owns it; release the controller).
  void ReleaseActor(Actor* actor);
  uint32_t GetNbActors() const;

  // Material 0 always exists and is what unknown indices mean.
  Material* GetMaterialFromIndex(uint16_t index);

  void SetGravity(const Vec3& gravity);
  Vec3 GetGravity() const;

  // The closest shape along the ray among the given kinds and groups (bit n: group n), within
  // maxDist. Shapes that contain the origin and trigger shapes are not hit. Fills hit (miss:
  // distance FLT_MAX) and returns the shape, or null.
  Shape* RaycastClosestShape(const Ray& ray, ShapesType types, RaycastHit& hit,
                             uint32_t groups = 0xFFFFFFFF, float maxDist = FLT_MAX) const;
  // True when any non-trigger shape of the given kinds and groups overlaps the box.
  bool CheckOverlapAabb(const Bounds3& bounds, ShapesType types, uint32_t groups = 0xFFFFFFFF) const;

  // Advances by elapsed seconds in fixed steps (a remainder carries over to the next call), then
  // works out the contact and trigger changes. FetchResults delivers them to the reports.
  void Simulate(float elapsed);
  void FetchResults();

  // Gathers the debug geometry when the SDK's visualization scale is above 0; empties it otherwise.
  void Visualize();
  const DebugRenderable& GetDebugRenderable() const;

  Impl& GetImpl() const { return *impl_; }

 private:
  std::unique_ptr<Impl> impl_;
};

}  // namespace platform::physics
