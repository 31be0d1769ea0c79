#include "entities/Teleporter.h"

#include "ai/AI.h"
#include "engine/Engine.h"
#include "entities/EntityMessages.h"
#include "entities/MarkerVisibility.h"
#include "entities/NearestWall.h"
#include "graphics/Camera.h"
#include "graphics/Graphics.h"
#include "physics/Physics.h"
#include "player/LogicServices.h"
#include "player/PlayerInfo.h"
#include "player/PlayerMessages.h"

namespace {

// How far from the target's marker the user's thief lands, along the nearest wall's normal.
constexpr float kArrivalOffset = 50.0f;

}  // namespace

void Teleporter::Describe(ClassBuilder<Teleporter>& c) {
  c.Component(&Teleporter::reference);
  c.Component(&Teleporter::physical);
  c.Component(&Teleporter::mapIndex);
  c.Component(&Teleporter::model);
  c.Component(&Teleporter::cluster);
  c.Message(kTeleport, static_cast<void (Teleporter::*)(uint32_t)>(&Teleporter::Teleport));
  c.Message(kOnUpdate, &Teleporter::OnUpdate);
  c.Message(kUpdateVisible, &Teleporter::UpdateVisible);
  c.Field("label", &Teleporter::label);
  c.Field("sfxName", &Teleporter::sfxName);
  c.Field("banned", &Teleporter::banned);
  c.Field("hackNo2CompsTargetName", &Teleporter::targetName);
  c.Field("hackNo2CompsLink", &Teleporter::link);
}

Teleporter::Teleporter(const GameServices& services) : services_(services) {
  physical.isStatic = 1;
  physical.createActor = 0;
}

Teleporter::~Teleporter() {
  services_.logic.UnregisterEntity(kClassName, *this);
}

// Every teleporter sounds the same, whatever the map says; the map's "banned" key comes after
// the set-up.
void Teleporter::OnCreate() {
  services_.logic.RegisterEntity(kClassName, *this);
  model.Load("arrow");
  MessageQueue* queue = services_.engine.GetMessageQueue();
  queue->RegisterUpdate(this);
  basePosition = physical.GetPosition();
  sfxName = "deny";
  banned = 0;
  visible = false;
  queue->Post(this, kUpdateVisible, kMarkerVisibleInterval);
}

void Teleporter::OnUpdate() { BobMarker(services_, basePosition, visible, physical, model); }

void Teleporter::UpdateVisible() {
  services_.engine.GetMessageQueue()->Post(this, kUpdateVisible, kMarkerVisibleInterval);
  visible = label != kSecretLabel && IsMarkerVisible(services_, basePosition, static_cast<int32_t>(mapIndex.mapIndex));
}

void Teleporter::Teleport(uint32_t entityId) { Teleport(EntityHandle(entityId).Get()); }

void Teleporter::Teleport(Entity* entity) {
  auto* target = dynamic_cast<Teleporter*>(reference.target.Get());
  if (!entity || !entity->Find<PlayerInfo>() || !target) return;
  Engine& engine = services_.engine;
  Physics* physics = engine.GetPhysics();
  LogicServices& logic = services_.logic;
  platform::Vector3 away{};
  if (entity == logic.GetPlayerEntity()) {
    logic.SetCurrentMap(static_cast<int32_t>(target->mapIndex.mapIndex));
    if (physics) {
      if (auto wall = FindNearestWall(*physics, target->basePosition)) away = wall->normal;
    }
    Graphics* graphics = engine.GetGraphics();
    Camera* camera = graphics ? graphics->GetActiveCamera() : nullptr;
    // With no wall in reach the camera keeps looking where it looked.
    if (camera && platform::Vec3Length(away) > 0.0f) camera->direction = away;
    if (AI* ai = engine.GetAI()) ai->OnPlayerTeleport(target->physical.GetPosition());
    logic.SetLastTeleporter(*this, cameraPathName);
    logic.StartMapFlyThrough();
  }
  if (auto* physical = entity->Find<PhysicalComp>())
    physical->SetPositionCached(target->physical.GetPosition() + away * kArrivalOffset);
  if (auto* index = entity->Find<MapIndexComp>()) index->mapIndex = target->mapIndex.mapIndex;
  if (physics) physics->UpdateClusters();
}
