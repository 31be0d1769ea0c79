#include "tests/platform/physics/PhysicsWorld.h"

namespace physics_test {

MeshBuilder& MeshBuilder::AddBox(const Vec3& a, const Vec3& b) {
  const auto base = static_cast<uint32_t>(vertices.size());
  for (int i = 0; i < 8; ++i)
    vertices.push_back({(i & 1) ? b.x : a.x, (i & 2) ? b.y : a.y, (i & 4) ? b.z : a.z});
  // Each face as two triangles, counter-clockwise seen from outside.
  static const uint32_t kFaces[6][4] = {{0, 2, 3, 1}, {4, 5, 7, 6}, {0, 1, 5, 4},
                                        {2, 6, 7, 3}, {0, 4, 6, 2}, {1, 3, 7, 5}};
  for (const auto& f : kFaces) {
    for (uint32_t i : {f[0], f[1], f[2], f[0], f[2], f[3]}) indices.push_back(base + i);
  }
  return *this;
}

MeshBuilder& MeshBuilder::AddStairs(float x0, float rise, float run, int count, float width) {
  for (int i = 0; i < count; ++i)
    AddBox({x0 + i * run, -width / 2, -10}, {x0 + (count + 1) * run, width / 2, rise * (i + 1)});
  return *this;
}

TriangleMeshDesc MeshBuilder::Desc() const { return DescribeMesh(vertices, indices); }

void Recorder::OnContactNotify(const ContactPair& pair, uint32_t events) {
  contactEvents.push_back(events);
  lastPoints.assign(pair.points.begin(), pair.points.end());
}

void Recorder::OnTrigger(Shape&, Shape&, uint32_t status) { triggerStatus.push_back(status); }

uint32_t Recorder::OnShapeHit(const ControllerShapeHit& hit) {
  shapeHits.push_back(hit.shape);
  return 1;
}

uint32_t Recorder::OnControllerHit(const ControllersHit& hit) {
  controllerHits.push_back(hit.other);
  return 1;
}

PhysicsWorld::PhysicsWorld() {
  sdk.SetParameter(kParamContinuousCollision, 1);
  SceneDesc desc;
  desc.contactReport = &recorder;
  desc.triggerReport = &recorder;
  scene = sdk.CreateScene(desc);
  Material* m = scene->GetMaterialFromIndex(0);
  m->SetRestitution(0);
  m->SetStaticFriction(0.5f);
  m->SetDynamicFriction(0.5f);
}

Actor* PhysicsWorld::AddMesh(const MeshBuilder& builder) {
  {
    PhysicsFileStream out("tmp.bin", false);
    if (!CookTriangleMesh(builder.Desc(), out).ok || !out.Close()) return nullptr;
  }
  PhysicsFileStream in("tmp.bin", true);
  auto mesh = TriangleMesh::Read(in);
  if (!mesh) return nullptr;
  ActorDesc desc;
  desc.shapes.push_back(ShapeDesc::Mesh(mesh));
  return scene->CreateActor(desc);
}

Actor* PhysicsWorld::AddStaticBox(const Vec3& centre, const Vec3& half, uint32_t shapeFlags) {
  ActorDesc desc;
  desc.globalPose.translation = centre;
  desc.shapes.push_back(ShapeDesc::Box(half));
  desc.shapes.back().flags = shapeFlags;
  return scene->CreateActor(desc);
}

Actor* PhysicsWorld::AddDynamicBox(const Vec3& centre, const Vec3& half, uint32_t contactFlags) {
  BodyDesc body;
  body.angularDamping = 1.0f;
  ActorDesc desc;
  desc.globalPose.translation = centre;
  desc.shapes.push_back(ShapeDesc::Box(half));
  desc.body = &body;
  desc.density = 10;
  desc.group = 1;
  desc.contactReportFlags = contactFlags;
  return scene->CreateActor(desc);
}

Controller* PhysicsWorld::AddController(const Vec3& position, const Vec3& half) {
  ControllerDesc desc;
  desc.type = ControllerType::Box;
  desc.position = position;
  desc.extents = half;
  desc.skinWidth = 0.1f;
  desc.stepOffset = 20.5f;
  desc.slopeLimit = 0.2588f;
  desc.callback = &recorder;
  return controllers.CreateController(scene, desc);
}

void PhysicsWorld::Step(int frames) {
  for (int i = 0; i < frames; ++i) {
    scene->Simulate(1.0f / 60.0f);
    scene->FetchResults();
  }
}

}  // namespace physics_test
