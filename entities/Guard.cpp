#include "entities/Guard.h"

#include "engine/Engine.h"
#include "entities/Flashlight.h"
#include "entity/EntityMessages.h"
#include "graphics/GraphicsMessages.h"
#include "graphics/ModelRecord.h"
#include "player/LogicServices.h"

namespace {

constexpr float kRunningSpeed = 300.0f;

struct ActionLook {
  const char* action;
  GuardLook look;
};
// After "chase" and running; the first row that matches wins.
constexpr ActionLook kActionLooks[] = {{"confuse", {3, false}}, {"idle", {0, false}}, {"sleep", {4, false}},
                                       {"look", {0, true}},     {"look no light", {0, false}}};

platform::Matrix ToMatrix(const platform::xfile::Matrix& m) {
  platform::Matrix out;
  for (int i = 0; i < 16; ++i) out.m[i / 4][i % 4] = m[static_cast<size_t>(i)];
  return out;
}

}  // namespace

GuardLook ChooseGuardLook(const AIComponent& ai, float speed) {
  GuardLook look;
  if (ai.IsCurrentAction("chase") || speed > kRunningSpeed) {
    look = {2, true};
  } else {
    for (const ActionLook& row : kActionLooks) {
      if (ai.IsCurrentAction(row.action)) {
        look = row.look;
        break;
      }
    }
  }
  if (ai.lamp) look.light = true;
  return look;
}

void Guard::Describe(ClassBuilder<Guard>& c) {
  c.Component(&Guard::playerPhysics);
  c.Component(&Guard::physical);
  c.Component(&Guard::model);
  c.Component(&Guard::ai);
  c.Component(&Guard::bounds);
  c.Component(&Guard::cluster);
  c.Component(&Guard::mapIndex);
  c.Component(&Guard::info);
  c.Message(kOnUpdate, &Guard::UpdateLight);
  c.Message(kOnModelUpdate, &Guard::PlaceFlashlight);
  c.Message(kOnModelDraw, &Guard::OnModelDraw);
  c.Field("PhysicalComp", &Guard::physical);
}

// The character controller carries the guard. Touches are delivered, and ignored: the game
// logic's distance rule busts thieves.
Guard::Guard(const GameServices& services) : services_(services) {
  info.kind = "guard";
  physical.externalActor = 1;
  physical.sendOnTouch = physical.sendOnStartTouch = physical.sendOnEndTouch = 1;
}

// The lamp goes with its guard. When the game's entities go together, it is already on its way.
Guard::~Guard() {
  EntityManager* entities = services_.engine.GetEntityManager();
  if (Entity* lamp = flashlight.Get(); lamp && !entities->IsQueuedForDeletion(lamp->GetId())) entities->QueueDelete(lamp);
  services_.logic.UnregisterEntity(kClassName, *this);
}

void Guard::OnCreate() {
  model.Load("guard");
  model.SetAnimation(2);
  model.WearOutfits();
  ai.kind = "guard";
  Engine& engine = services_.engine;
  if (auto* lamp = dynamic_cast<Flashlight*>(engine.GetEntityManager()->Create(Flashlight::kClassName))) {
    lamp->ownerGuard.Set(this);
    flashlight.Set(lamp);
  }
  services_.logic.RegisterEntity(kClassName, *this);
  engine.GetMessageQueue()->RegisterUpdate(this);
}

Flashlight* Guard::GetFlashlight() const { return dynamic_cast<Flashlight*>(flashlight.Get()); }

// A guard whose model the last pass did not draw (hidden, in another map, or in a cluster out
// of sight) keeps its light off.
void Guard::UpdateLight() {
  if (services_.IsRoundOver()) playerPhysics.move = {0, 0, 0};
  const GuardLook look = ChooseGuardLook(ai, playerPhysics.speed);
  model.SetAnimation(look.animation);
  if (Flashlight* lamp = GetFlashlight())
    lamp->Switch(look.light && !model.notDrawnThisFrame, static_cast<int32_t>(mapIndex.mapIndex));
}

// The beam leaves the hand, as the model was just drawn (its scale counted in), along the hand
// bone's x axis. Without the bone (or an animated model) the flashlight stays where it was.
void Guard::PlaceFlashlight() {
  Flashlight* lamp = GetFlashlight();
  const ModelRecord* record = model.GetModel();
  if (!lamp || !lamp->model.visible || !record || !model.GetController()) return;
  const int32_t hand = model.FindFrame(kHandBone);
  if (hand < 0) return;
  platform::Vector3 boneScale, boneAt;
  platform::Quaternion boneTurn;
  if (!platform::MatrixDecompose(ToMatrix(record->GetCombinedMatrix(hand)), &boneScale, &boneTurn, &boneAt)) return;
  lamp->physical.SetPosition(platform::Vec3TransformCoord(boneAt, model.worldMatrix));
  const platform::Quaternion bodyTurn = platform::QuaternionMultiply(model.meshRotation, physical.GetOrientation());
  lamp->SetOrientation(platform::QuaternionMultiply(boneTurn, bodyTurn));
}

// The draw takes the guard's uniform (0, 1 or 2, chosen by the guard set-up).
void Guard::OnModelDraw() {
  model.SetOutfit(info.outfit);
}
