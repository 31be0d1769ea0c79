#pragma once
#include <memory>
#include <string>
#include <vector>

#include "platform/physics/Controller.h"
#include "platform/physics/PhysicsSdk.h"
#include "platform/physics/Stream.h"
#include "platform/physics/TriangleMesh.h"
#include "tests/support/TempDir.h"

namespace physics_test {

using namespace platform::physics;

// Geometry for test scenes, made of boxes with outward-facing triangles.
struct MeshBuilder {
  std::vector<Vec3> vertices;
  std::vector<uint32_t> indices;

  MeshBuilder& AddBox(const Vec3& min, const Vec3& max);
  // `count` steps of `rise` and `run` going +x from x0, on a floor at z = 0.
  MeshBuilder& AddStairs(float x0, float rise, float run, int count, float width);
  TriangleMeshDesc Desc() const;
};

// Everything a report tells, as text lines in arrival order.
struct Recorder : ContactReport, TriggerReport, ControllerHitReport {
  void OnContactNotify(const ContactPair& pair, uint32_t events) override;
  void OnTrigger(Shape& triggerShape, Shape& otherShape, uint32_t status) override;
  uint32_t OnShapeHit(const ControllerShapeHit& hit) override;
  uint32_t OnControllerHit(const ControllersHit& hit) override;

  std::vector<uint32_t> contactEvents;
  std::vector<ContactPoint> lastPoints;
  std::vector<uint32_t> triggerStatus;
  std::vector<Shape*> shapeHits;
  std::vector<Controller*> controllerHits;
};

// A scene as the game sets it up: gravity (0, 0, -500), material 0 with restitution 0 and
// frictions 0.5, swept fast bodies, and the recorder as its reports.
struct PhysicsWorld {
  PhysicsWorld();

  // Cooks the mesh through "tmp.bin" in a temporary working folder and makes it a static actor.
  Actor* AddMesh(const MeshBuilder& mesh);
  Actor* AddStaticBox(const Vec3& centre, const Vec3& half, uint32_t shapeFlags = kShapeVisualization);
  Actor* AddDynamicBox(const Vec3& centre, const Vec3& half, uint32_t contactFlags = 0);
  Controller* AddController(const Vec3& position, const Vec3& half = {12, 12, 28});
  void Step(int frames = 1);

  TempDir dir;
  Recorder recorder;
  PhysicsSdk sdk;
  Scene* scene;
  ControllerManager controllers;
};

}  // namespace physics_test
