// Speed of the physics layer at the sizes the game needs: a map-sized collision mesh cooked at
// the game start, a frame with the thieves, guards and loose bodies of a round, and the rays and
// character moves the AI and players make every frame.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

#include "platform/physics/Controller.h"
#include "platform/physics/PhysicsSdk.h"
#include "platform/physics/Stream.h"
#include "platform/physics/TriangleMesh.h"
#include "tests/support/ScratchFolder.h"

namespace {

using namespace platform::physics;

constexpr float kCell = 40;

struct Mesh {
  TriangleMeshDesc Desc() const { return DescribeMesh(vertices, indices); }
  std::vector<Vec3> vertices;
  std::vector<uint32_t> indices;
};

// Rolling ground of 2 x 125 x 200 = 50,000 small triangles, 5000 x 8000 units: the worst case,
// with many triangles under every character.
struct Terrain : Mesh {
  Terrain() {
    for (int y = 0; y <= kRows; ++y)
      for (int x = 0; x <= kCols; ++x)
        vertices.push_back({x * kCell, y * kCell, 30 * std::sin(x * 0.11f) * std::cos(y * 0.07f)});
    for (uint32_t y = 0; y < kRows; ++y)
      for (uint32_t x = 0; x < kCols; ++x) {
        const uint32_t a = y * (kCols + 1) + x, b = a + 1, c = a + kCols + 1, d = c + 1;
        for (uint32_t i : {a, b, d, a, d, c}) indices.push_back(i);
      }
  }
  static constexpr int kCols = 125, kRows = 200;
};

// A museum hall as a map gives it: a floor of 64-unit tiles (7,688 triangles) and 168 round
// pedestals of 256 triangles each, 50,696 triangles in 4000 x 4000 units.
struct Hall : Mesh {
  Hall() {
    constexpr int kTiles = 62;
    for (int y = 0; y <= kTiles; ++y)
      for (int x = 0; x <= kTiles; ++x) vertices.push_back({x * 64.0f, y * 64.0f, 0});
    for (uint32_t y = 0; y < kTiles; ++y)
      for (uint32_t x = 0; x < kTiles; ++x) {
        const uint32_t a = y * (kTiles + 1) + x, b = a + 1, c = a + kTiles + 1, d = c + 1;
        for (uint32_t i : {a, b, d, a, d, c}) indices.push_back(i);
      }
    for (int i = 0; i < 168; ++i) AddPedestal({200 + (i % 14) * 280.0f, 200 + (i / 14) * 300.0f, 0});
  }
  void AddPedestal(const Vec3& base) {
    constexpr int kSides = 64;
    const auto first = static_cast<uint32_t>(vertices.size());
    for (int s = 0; s < kSides; ++s) {
      const float a = s * 6.2831853f / kSides;
      vertices.push_back(base + Vec3{30 * std::cos(a), 30 * std::sin(a), 0});
      vertices.push_back(base + Vec3{30 * std::cos(a), 30 * std::sin(a), 90});
    }
    vertices.push_back(base);
    vertices.push_back(base + Vec3{0, 0, 90});
    const uint32_t bottom = first + 2 * kSides, top = bottom + 1;
    for (uint32_t s = 0; s < kSides; ++s) {
      const uint32_t lo = first + 2 * s, hi = lo + 1, lo2 = first + 2 * ((s + 1) % kSides), hi2 = lo2 + 1;
      for (uint32_t i : {lo, lo2, hi2, lo, hi2, hi, top, hi, hi2, bottom, lo2, lo}) indices.push_back(i);
    }
  }
};

const Mesh& Ground(bool hall) {
  static const Terrain terrain;
  static const Hall museum;
  return hall ? static_cast<const Mesh&>(museum) : terrain;
}

// The cooked mesh goes through a file, as the game's does: one in the run's own folder.
std::shared_ptr<TriangleMesh> Cook(bool hall = false) {
  static const ScratchFolder folder("vrbench");
  const std::string path = folder / "tmp.bin";
  {
    PhysicsFileStream out(path, false);
    CookTriangleMesh(Ground(hall).Desc(), out);
  }
  PhysicsFileStream in(path, true);
  return TriangleMesh::Read(in);
}

// A scene with the ground in it, set up as the game sets its own.
struct World {
  explicit World(bool hall) {
    sdk.SetParameter(kParamContinuousCollision, 1);
    scene = sdk.CreateScene({});
    Material* m = scene->GetMaterialFromIndex(0);
    m->SetStaticFriction(0.5f);
    m->SetDynamicFriction(0.5f);
    ActorDesc ground;
    ground.shapes.push_back(ShapeDesc::Mesh(Cook(hall)));
    scene->CreateActor(ground);
  }
  Controller* AddController(float x, float y) {
    ControllerDesc desc;
    desc.position = {x, y, 100};
    desc.extents = {12, 12, 28};
    desc.skinWidth = 0.1f;
    desc.stepOffset = 20.5f;
    desc.slopeLimit = 0.2588f;
    return controllers.CreateController(scene, desc);
  }
  PhysicsSdk sdk;
  Scene* scene;
  ControllerManager controllers;
};

void BM_CookAndBuild50kTriangleMesh(benchmark::State& state) {
  Ground(false);
  PhysicsSdk sdk;
  Scene* scene = sdk.CreateScene({});
  for (auto _ : state) {
    ActorDesc desc;
    desc.shapes.push_back(ShapeDesc::Mesh(Cook()));
    scene->ReleaseActor(scene->CreateActor(desc));
  }
  state.SetLabel("50,000 triangles through tmp.bin");
}
BENCHMARK(BM_CookAndBuild50kTriangleMesh)->Unit(benchmark::kMillisecond);

// Argument: 0 terrain, 1 hall.
void BM_StepWith20ControllersAnd200Boxes(benchmark::State& state) {
  World world(state.range(0) == 1);
  std::vector<Controller*> walkers;
  for (int i = 0; i < 20; ++i) walkers.push_back(world.AddController(350 + i * 140.0f, 1050));
  BodyDesc body;
  body.angularDamping = 1.0f;
  for (int i = 0; i < 200; ++i) {
    ActorDesc box;
    box.body = &body;
    box.density = 10;
    box.contactReportFlags = kNotifyAll;
    box.globalPose.translation = {350 + (i % 20) * 140.0f, 2060 + (i / 20) * 40.0f, 120};
    box.shapes.push_back(ShapeDesc::Box({8, 8, 8}));
    world.scene->CreateActor(box);
  }
  Vec3 fall;
  int frame = 0;
  const auto step = [&] {
    ++frame;
    for (size_t i = 0; i < walkers.size(); ++i) {
      const float a = frame * 0.02f + i;
      walkers[i]->Move({5 * std::cos(a), 5 * std::sin(a), -2}, 1, 0.001f, 1);
    }
    world.scene->Simulate(1.0f / 60.0f);
    world.scene->FetchResults();
  };
  for (int i = 0; i < 300; ++i) step();  // the boxes land and settle first
  for (auto _ : state) step();
}
BENCHMARK(BM_StepWith20ControllersAnd200Boxes)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_RaycastAgainst50kTriangles(benchmark::State& state) {
  World world(state.range(0) == 1);
  RaycastHit hit;
  uint32_t seed = 1;
  const auto next = [&] { return (seed = seed * 1103515245u + 12345u) >> 8 & 0xFFFF; };
  int64_t rays = 0;
  for (auto _ : state) {
    const Vec3 orig{next() / 65536.0f * 5000, next() / 65536.0f * 8000, 60};
    const Vec3 dir{next() / 32768.0f - 1, next() / 32768.0f - 1, -0.3f};
    benchmark::DoNotOptimize(world.scene->RaycastClosestShape({orig, dir}, kAllShapes, hit));
    ++rays;
  }
  state.SetItemsProcessed(rays);
}
BENCHMARK(BM_RaycastAgainst50kTriangles)->Arg(0)->Arg(1);

void BM_ControllerMoveOn50kTriangles(benchmark::State& state) {
  World world(state.range(0) == 1);
  Controller* c = world.AddController(2000, 2000);
  int64_t moves = 0;
  for (auto _ : state) {
    const float a = moves * 0.01f;
    benchmark::DoNotOptimize(c->Move({5 * std::cos(a), 5 * std::sin(a), -2}, 1, 0.001f, 1));
    ++moves;
  }
  state.SetItemsProcessed(moves);
}
BENCHMARK(BM_ControllerMoveOn50kTriangles)->Arg(0)->Arg(1);

}  // namespace
