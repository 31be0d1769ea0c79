#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/EngineSystem.h"
#include "engine/SystemSlots.h"
#include "physics/CameraPathFollower.h"
#include "physics/InterpNodes.h"
#include "physics/PhysicsSettings.h"
#include "platform/math/Vector.h"

namespace platform::physics {
class Actor;
class Controller;
class ControllerManager;
class Scene;
}  // namespace platform::physics

class ClusterInfo;
class ClusterMap;
class Entity;
class MapIndexComp;
class PathCamera;
class PhysicalComp;
class PhysicsDebugRenderer;
class PhysicsGraphics;
class PhysicsReport;
class UserControl;
class PlayerPhysics;

// The result of a ray cast: distance along the ray, surface normal and point in world space,
// and the entity whose actor was hit (null for the world mesh).
struct RayHit {
  float distance = 0;
  platform::Vector3 normal;
  platform::Vector3 point;
  Entity* entity = nullptr;
};

// The physics system: one simulated world (built afresh by every Init), the components it
// drives, the owners of its actors, the camera paths and their follower. Each frame it creates
// pending controllers and actors, carries out the requests made during the frame, steps the
// world by the frame time and moves the camera along an active path.
class Physics : public EngineSystem {
 public:
  Physics();
  ~Physics() override;

  void RegisterTypes() override;
  void Init() override;
  void Shutdown() override;
  void Update() override;
  std::string GetName() override { return "Physics"; }
  void TakeSlot(SystemSlots& slots) override { slots.physics = this; }

  // Lets the world gather its debug geometry and hands it to the graphics as lines.
  void DrawDebug();

  // Components register when their owner initialises its components and leave in their
  // destructors; removal takes every occurrence.
  void AddClusterInfo(ClusterInfo* c) { clusterInfos_.push_back(c); }
  void AddPhysicalComp(PhysicalComp* c) { physicalComps_.push_back(c); }
  void AddPlayerPhysics(PlayerPhysics* c) { playerPhysics_.push_back(c); }
  void AddMapIndexComp(MapIndexComp* c) { mapIndexComps_.push_back(c); }
  void RemoveClusterInfo(ClusterInfo* c);
  void RemovePhysicalComp(PhysicalComp* c);
  void RemovePlayerPhysics(PlayerPhysics* c);
  void RemoveMapIndexComp(MapIndexComp* c);
  // The test bodies that "purgephy" deletes, kept by id so that bodies deleted otherwise
  // simply drop out.
  void AddTestBody(Entity* entity);
  size_t TestBodyCount() const { return testBodies_.size(); }

  // Which entity owns an actor: contacts, triggers and ray hits name it.
  void MapActorToEntity(const platform::physics::Actor* actor, Entity* entity) { actorEntities_[actor] = entity; }
  void UnmapActor(const platform::physics::Actor* actor) { actorEntities_.erase(actor); }
  Entity* EntityOfActor(const platform::physics::Actor* actor) const;

  // The closest shape along the ray (direction as given, any length); false on a miss, which
  // leaves hit->entity as it was. Zero and non-finite directions miss.
  bool RayCast(float ox, float oy, float oz, float dx, float dy, float dz, RayHit* hit) const;
  // True when the axis-aligned box overlaps a static shape.
  bool BoxOverlapsStatic(float cx, float cy, float cz, float hx, float hy, float hz) const;
  // Every ClusterInfo whose owner has a "Physical" takes the cluster of the current map at its
  // position; then the map's camera cluster follows the camera.
  void UpdateClusters();
  // "purgephy": queues every test body for deletion and empties the list.
  void DeleteTestBodies();

  // Camera paths. An unknown name gets an empty path.
  std::vector<InterpNode>& GetInterpNode(const std::string& name) { return interpNodes_[name]; }
  void SetInterpNode(const std::vector<InterpNode>& path, const std::string& name) { interpNodes_[name] = path; }
  void SaveInterpNodes();
  void StartCameraPath(PathCamera* camera, std::vector<InterpNode>* path, bool loop);
  CameraPathFollower* StopCameraPath();
  CameraPathFollower* GetFollower() { return follower_.get(); }
  const InterpNodeTable& GetInterpNodes() const { return interpNodes_; }

  // The world; null before Init and after Shutdown.
  platform::physics::Scene* GetScene() const;
  platform::physics::ControllerManager* GetControllerManager() const;
  PhysicsReport* GetReport() const { return report_.get(); }
  // Counts the worlds built: components tell by it whether what they hold is of this world.
  uint32_t GetWorldGeneration() const { return worldGeneration_; }
  PhysicsSettings& GetSettings() { return settings_; }

  // The points and normal of the latest contact report.
  std::vector<platform::Vector3>& GetContactPoints() { return contactPoints_; }
  platform::Vector3& GetContactNormal() { return contactNormal_; }

  // The neighbours' sides of the seams (PhysicsSeams.h); null for none.
  void SetGraphics(PhysicsGraphics* graphics) { graphics_ = graphics; }
  PhysicsGraphics* GetGraphics() const { return graphics_; }
  void SetCurrentMap(ClusterMap* map) { currentMap_ = map; }
  void SetUserControl(const UserControl* control) { userControl_ = control; }
  const UserControl* GetUserControl() const { return userControl_; }
  // Called after the update in which a fly-through reached its end (the game logic ends it).
  void SetFlyThroughEndHandler(std::function<void()> handler) { onFlyThroughEnd_ = std::move(handler); }

 private:
  void CreateSdk();
  // Gives every component of the world being shut down its pose back and forgets the world's
  // actors and controllers, so nothing of an old world is touched again.
  void DetachComponents();

  std::unique_ptr<PhysicsReport> report_;
  std::vector<platform::Vector3> contactPoints_;
  platform::Vector3 contactNormal_;
  PhysicsSettings settings_;
  std::vector<ClusterInfo*> clusterInfos_;
  std::vector<PhysicalComp*> physicalComps_;
  std::vector<PlayerPhysics*> playerPhysics_;
  std::vector<MapIndexComp*> mapIndexComps_;
  InterpNodeTable interpNodes_;
  std::unique_ptr<CameraPathFollower> follower_;
  std::vector<uint32_t> testBodies_;
  std::unique_ptr<PhysicsDebugRenderer> debugRenderer_;
  std::map<const platform::physics::Actor*, Entity*> actorEntities_;
  uint32_t worldGeneration_ = 0;
  PhysicsGraphics* graphics_ = nullptr;
  ClusterMap* currentMap_ = nullptr;
  const UserControl* userControl_ = nullptr;
  std::function<void()> onFlyThroughEnd_;
};

// The engine's physics system, or null when there is no engine or it runs another system
// (components call this from constructors and destructors that may run without one).
Physics* ActivePhysics();
