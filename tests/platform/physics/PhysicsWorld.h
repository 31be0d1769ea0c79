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

// A stream over a byte vector, for damaged-data tests.
class MemoryStream : public PhysicsStream {
 public:
  explicit MemoryStream(std::vector<uint8_t> bytes = {}) : bytes_(std::move(bytes)) {}
  const std::vector<uint8_t>& Bytes() const { return bytes_; }

  uint8_t ReadByte() override { return Read<uint8_t>(); }
  uint16_t ReadWord() override { return Read<uint16_t>(); }
  uint32_t ReadDword() override { return Read<uint32_t>(); }
  float ReadFloat() override { return Read<float>(); }
  double ReadDouble() override { return Read<double>(); }
  void ReadBuffer(void* buffer, uint32_t size) override;
  PhysicsStream& StoreByte(uint8_t v) override { return StoreBuffer(&v, sizeof v); }
  PhysicsStream& StoreWord(uint16_t v) override { return StoreBuffer(&v, sizeof v); }
  PhysicsStream& StoreDword(uint32_t v) override { return StoreBuffer(&v, sizeof v); }
  PhysicsStream& StoreFloat(float v) override { return StoreBuffer(&v, sizeof v); }
  PhysicsStream& StoreDouble(double v) override { return StoreBuffer(&v, sizeof v); }
  PhysicsStream& StoreBuffer(const void* buffer, uint32_t size) override;
  bool Failed() const override { return failed_; }

 private:
  template <typename T> T Read() {
    T v{};
    ReadBuffer(&v, sizeof v);
    return v;
  }
  std::vector<uint8_t> bytes_;
  size_t at_ = 0;
  bool failed_ = false;
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
