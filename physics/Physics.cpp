#include "physics/Physics.h"

#include <algorithm>

#include "engine/Engine.h"
#include "entity/EntityClass.h"
#include "physics/PhysicalComp.h"
#include "physics/PhysicsDebugRenderer.h"
#include "physics/PhysicsMath.h"
#include "physics/PhysicsReport.h"
#include "physics/PhysicsSeams.h"
#include "physics/PlayerPhysics.h"
#include "physics/TestBodies.h"

namespace pp = platform::physics;

namespace {

// The SDK parameters the game sets, by number: visualisation scale, (39), (56) and continuous
// collision of fast bodies.
constexpr std::pair<uint32_t, float> kSdkParameters[] = {{9, 100.0f}, {39, 1.0f}, {56, -0.05f}, {8, 1.0f}};
constexpr float kMaxStep = 0.1f;

template <class T>
void RemoveAll(std::vector<T*>& list, T* item) {
  list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

}  // namespace

Physics* ActivePhysics() {
  Engine* engine = Engine::Current();
  return engine ? engine->GetPhysics() : nullptr;
}

Physics::Physics() = default;
Physics::~Physics() = default;

void Physics::RegisterTypes() {
  RegisterEntityClass<PhyCube>("PhysicsLog");
  RegisterEntityClass<PhySphere>("PhysicsLog");
}

void Physics::Init() {
  // A second Init without a Shutdown must not pull the world from under the components.
  if (report_) Shutdown();
  Engine::Get()->GetConsole()->AppendText("Starting").AppendText(GetName()).Flush(Console::kWhite);
  BindBoolVariable("noclip", &settings_.noclip);
  LoadPhysicsSettings(settings_, kPhysicsConfigPath);
  report_ = std::make_unique<PhysicsReport>(*this);
  CreateSdk();
  debugRenderer_ = std::make_unique<PhysicsDebugRenderer>();
  follower_ = std::make_unique<CameraPathFollower>();
  LoadInterpNodes(interpNodes_, kInterpNodesPath);
}

void Physics::CreateSdk() {
  report_->sdk = std::make_unique<pp::PhysicsSdk>();
  for (const auto& [parameter, value] : kSdkParameters) report_->sdk->SetParameter(parameter, value);
  pp::SceneDesc desc;
  desc.gravity = ToPhysics(settings_.gravity);
  desc.contactReport = report_.get();
  desc.triggerReport = report_.get();
  report_->scene = report_->sdk->CreateScene(desc);
  if (!report_->scene) {
    Engine::Get()->GetLog()->Write("PhysicsLog", "Unable to initialize Novodex", 2);
    return;
  }
  ++worldGeneration_;
  pp::Material* material = report_->scene->GetMaterialFromIndex(0);
  material->SetRestitution(0.0f);
  material->SetStaticFriction(0.5f);
  material->SetDynamicFriction(0.5f);
}

void Physics::Shutdown() {
  DetachComponents();
  debugRenderer_.reset();
  follower_.reset();
  // Unlike a restart that keeps the old world alive, the world goes with its report: the
  // controllers, then the scene and the SDK object.
  report_.reset();
  actorEntities_.clear();
}

void Physics::DetachComponents() {
  for (PhysicalComp* c : physicalComps_) c->DetachFromWorld();
  for (PlayerPhysics* p : playerPhysics_) p->DetachFromWorld();
  actorEntities_.clear();
}

void Physics::Update() {
  if (!GetScene()) return;
  // By index: a touch handler run by a controller move may create entities whose components
  // join these lists.
  for (size_t i = 0; i < playerPhysics_.size(); ++i) {
    PlayerPhysics* p = playerPhysics_[i];
    if (!p->controllerCreated) p->SetupController();
    p->Move();
  }
  for (size_t i = 0; i < physicalComps_.size(); ++i) {
    PhysicalComp* c = physicalComps_[i];
    if (!c->actorCreated) c->CreateActor();
    c->ApplyRequests();
  }
  const float dt = std::min(static_cast<float>(Engine::Get()->GetTimer()->GetDelta()), kMaxStep);
  // A paused timer steps nothing, so no contact report can arrive while the game stands still.
  if (dt > 0) {
    report_->scene->Simulate(dt);
    report_->scene->FetchResults();
  }
  if (!follower_) return;
  follower_->Update(dt);
  if (follower_->IsDone() && onFlyThroughEnd_) onFlyThroughEnd_();
}

void Physics::DrawDebug() {
  pp::Scene* scene = GetScene();
  if (!scene || !graphics_ || !debugRenderer_) return;
  scene->Visualize();
  debugRenderer_->Render(scene->GetDebugRenderable(), *graphics_);
}

pp::Scene* Physics::GetScene() const { return report_ ? report_->scene : nullptr; }

pp::ControllerManager* Physics::GetControllerManager() const {
  return report_ && report_->scene ? &report_->controllers : nullptr;
}

Entity* Physics::EntityOfActor(const pp::Actor* actor) const {
  auto it = actorEntities_.find(actor);
  return it == actorEntities_.end() ? nullptr : it->second;
}

void Physics::RemoveClusterInfo(ClusterInfo* c) { RemoveAll(clusterInfos_, c); }
void Physics::RemovePhysicalComp(PhysicalComp* c) { RemoveAll(physicalComps_, c); }
void Physics::RemovePlayerPhysics(PlayerPhysics* c) { RemoveAll(playerPhysics_, c); }
void Physics::RemoveMapIndexComp(MapIndexComp* c) { RemoveAll(mapIndexComps_, c); }

void Physics::AddTestBody(Entity* entity) { testBodies_.push_back(entity->GetId()); }

void Physics::DeleteTestBodies() {
  EntityManager* entities = Engine::Get()->GetEntityManager();
  for (uint32_t id : testBodies_) {
    if (entities->FindEntity(id)) entities->QueueDelete(id);
  }
  testBodies_.clear();
}

void Physics::SaveInterpNodes() { ::SaveInterpNodes(interpNodes_, kInterpNodesPath); }

void Physics::StartCameraPath(PathCamera* camera, std::vector<InterpNode>* path, bool loop) {
  if (follower_) follower_->Start(camera, path, loop);
}

CameraPathFollower* Physics::StopCameraPath() {
  if (follower_) follower_->Stop();
  return follower_.get();
}
