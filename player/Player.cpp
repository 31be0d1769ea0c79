#include "player/Player.h"

#include <algorithm>

#include "engine/Engine.h"
#include "graphics/Graphics.h"
#include "graphics/ParticleEmitter.h"
#include "graphics/gui/GadgetSwitchAnimation.h"
#include "graphics/gui/HUDAnimation.h"
#include "graphics/gui/HudGadgets.h"
#include "input/Input.h"
#include "physics/Physics.h"
#include "player/CameraFollow.h"
#include "player/GameServices.h"
#include "player/LogicServices.h"
#include "player/PlayerMessages.h"
#include "player/TeleportDoor.h"
#include "player/WalkPace.h"
#include "player/gadgets/GadgetBase.h"
#include "player/gadgets/GadgetEnt.h"

using platform::Vector3;

namespace {

constexpr char kFollowDistanceVariable[] = "CameraFollowDist";
constexpr char kCameraSpeedVariable[] = "CameraSpeed";
constexpr float kMoneyPerSecond = 50.0f;
constexpr float kBoxWarning = 11.0f;
// TargetOrFire sets the box timer past the time-out, so a box ends at the next update.
constexpr float kBoxTimerWhenAiming = 30.0f;
constexpr float kLookSensitivity = 0.004f;
constexpr float kAimLookSensitivity = 0.002f;
constexpr float kCameraHeight = 50.0f;
// At this distance or closer the camera looks through the thief's eyes.
constexpr float kHideModelWithin = 75.0f;
constexpr float kSpeedStep = 20.0f;
constexpr float kSlowest = 20.0f;
constexpr float kCarriedItemHeight = 100.0f;
constexpr float kTeleportDelay = 0.5f;
constexpr char kMaleModel[] = "thief";
constexpr char kFemaleModel[] = "femaleThief";
// In the order of their gadget:: indices.
const char* const kStartGadgets[] = {"Taser", "SmokeGrenade", "Box"};

// Every thief made in this run of the program, so that the outfits alternate from the chosen
// one across games.
uint32_t thievesMade = 0;

float ReadVariable(const VariableTable& table, const char* name, float fallback) {
  float value = fallback;
  if (table.Has(name)) table.GetTyped(name, value);
  return value;
}

void WriteVariable(VariableTable& table, const char* name, float value) {
  if (table.Has(name)) table.SetTyped(name, value);
}

}  // namespace

void Player::Describe(ClassBuilder<Player>& c) {
  c.Component(&Player::camera);
  c.Component(&Player::physical);
  c.Component(&Player::model);
  c.Component(&Player::playerPhysics);
  c.Component(&Player::info);
  c.Component(&Player::bounds);
  c.Component(&Player::ai);
  c.Component(&Player::mapIndex);
  c.Message(ThiefOrder::kMoveForward, &Player::MoveForward);
  c.Message(ThiefOrder::kMoveBack, &Player::MoveBack);
  c.Message(ThiefOrder::kMoveLeft, &Player::MoveLeft);
  c.Message(ThiefOrder::kMoveRight, &Player::MoveRight);
  c.Message(kMouseLook, &Player::MouseLook);
  c.Message(kOnUpdate, &Player::OnUpdate);
  c.Message(kGuardTouch, &Player::GuardTouch);
  c.Message(kSetActivePlayer, &Player::SetActivePlayer);
  c.Message(kFire, &Player::Fire);
  c.Message(kScore, &Player::Score);
  c.Message(kGetGadget, &Player::GetGadget);
  c.Message(ThiefOrder::kScrollGadget, &Player::ScrollGadget);
  c.Message(kSwitchGadget, &Player::SwitchGadget);
  c.Message(kGetBattery, &Player::GetBattery);
  c.Message(kGetBox, &Player::GetBox);
  c.Message(kGetSmoke, &Player::GetSmoke);
  c.Message(kEnterTeleporter, &Player::EnterTeleporter);
  c.Message(ThiefOrder::kChangeMoveSpeed, &Player::ChangeMoveSpeed);
  c.Message(ThiefOrder::kSetTargetSpeed, &Player::SetTargetSpeed);
  c.Message(ThiefOrder::kTargetOrFire, &Player::TargetOrFire);
  c.Message(ThiefOrder::kUntarget, &Player::Untarget);
  c.Message(ThiefOrder::kEnterDoor, &Player::EnterTeleporter);
  c.Message(kOnModelDraw, &Player::OnModelDraw);
  c.Message(kDoBust, &Player::DoBust);
}

Player::Player(const GameServices& services) : services_(services) {
  info.kind = "thief";
  // The character controller supplies the actor.
  physical.externalActor = 1;
  physical.sendOnTouch = physical.sendOnStartTouch = physical.sendOnEndTouch = 1;
  playerPhysics.speed = 300.0f;
  playerPhysics.maxSpeed = kSpeedCap;
  // What Untarget restores when aiming saved nothing: the starting speed.
  playerPhysics.savedSpeed = 300.0f;
}

Player::~Player() {
  services_.logic.UnregisterEntity(kClassName, *this);
}

void Player::OnCreate() {
  const int32_t parity = static_cast<int32_t>(thievesMade++ % 2);
  info.gender = parity == services_.logic.GetGender() ? "male" : "female";
  LoadOutfitModel();
  model.SetAnimation(0);
  model.WearOutfits();
  services_.engine.GetMessageQueue()->RegisterUpdate(this);
  services_.logic.RegisterEntity(kClassName, *this);
  ai.kind = "thief";
  ai.Init(true);
  for (const char* name : kStartGadgets) GetGadget(MakeGadget(services_.engine, name));
  info.boxTimer = 0;
  Untarget();
}

GadgetEnt* Player::GadgetAt(int32_t index) const {
  if (index < 0 || index >= GadgetCount()) return nullptr;
  return dynamic_cast<GadgetEnt*>(gadgets[static_cast<size_t>(index)].Get());
}

void Player::LoadOutfitModel() { model.Load(info.gender == "male" ? kMaleModel : kFemaleModel); }

// ---- The frame ----

void Player::OnUpdate() {
  const float dt = static_cast<float>(services_.engine.GetTimer()->GetDelta());
  if (services_.IsRoundOver()) playerPhysics.move = {};
  VariableTable& variables = *services_.engine.GetVariableTable();
  const float followDistance = ReadVariable(variables, kFollowDistanceVariable, kFollowDistance);
  const float cameraSpeed = ReadVariable(variables, kCameraSpeedVariable, 0.0f);
  if (info.targeting) WriteVariable(variables, kFollowDistanceVariable, 0.0f);
  EndBoxOnTimeOut(dt);
  CountMoneyUp(dt);
  if (IsUserControlled()) {
    SteerByUser(dt, followDistance, cameraSpeed);
  } else {
    model.visible = 1;
  }
  UpdateGadget();
  Animate();
  CarryItem();
}

void Player::EndBoxOnTimeOut(float dt) {
  if (!info.inBox) return;
  info.boxTimer += dt;
  if (info.boxTimer < kBoxTimeOut) return;
  ai.voice.Pause();
  ai.voice.Rewind();
  if (!IsUserControlled()) {
    // A computer thief leaves through its box gadget, as it entered.
    currentGadget = gadget::kBox;
    Fire();
  }
  info.inBox = 0;
  info.boxTimer = 0;
  LoadOutfitModel();
  services_.Poof(static_cast<int32_t>(mapIndex.mapIndex), physical.GetPosition());
}

void Player::CountMoneyUp(float dt) {
  if (info.shownMoney == info.money) return;
  info.shownMoney = std::min(info.shownMoney + dt * kMoneyPerSecond, info.money);
}

void Player::SteerByUser(float dt, float followDistance, float cameraSpeed) {
  if (info.inBox && info.boxTimer >= kBoxWarning && !ai.voice.IsPlaying()) ai.voice.Play();
  Vector3 walk = WalkVector(dt * playerPhysics.speed);
  if (services_.IsRoundOver()) walk = {};
  Input* input = services_.engine.GetInput();
  if (mouseLook && input && !services_.logic.IsFlyThroughRunning() && !services_.IsRoundOver()) {
    const float sensitivity = info.targeting ? kAimLookSensitivity : kLookSensitivity;
    camera.Yaw(static_cast<float>(input->GetMouseDeltaX()) * sensitivity);
    camera.Pitch(static_cast<float>(input->GetMouseDeltaY()) * sensitivity);
  }
  physical.SetDirection(-camera.direction);
  playerPhysics.move = walk;
  FollowCamera(dt, info.targeting ? 0.0f : followDistance, cameraSpeed);
}

Vector3 Player::WalkVector(float step) const {
  if (physical.frozen) return {};
  Vector3 v;
  if (moveForward) v = camera.direction;
  if (moveBack) v = v - camera.direction;
  if (moveLeft) v = v - camera.right;
  if (moveRight) v = v + camera.right;
  // Level in x and y whatever the pitch; the z parts are kept as they add up.
  const platform::Vector2 flat = platform::Vec2Normalize({v.x, v.y});
  return {flat.x * step, flat.y * step, v.z * step};
}

void Player::FollowCamera(float dt, float followDistance, float cameraSpeed) {
  CameraFollow& follow = CameraFollow::Shared();
  // The camera stands on the line from a point above the thief, so the room is measured there.
  const Vector3 pivot = physical.GetPosition() + Vector3{0, 0, kCameraHeight};
  const Vector3 back = -camera.direction;
  const float rate = dt * cameraSpeed;
  follow.Follow(followDistance, CameraFollow::Reach(services_.engine.GetPhysics(), pivot, back), rate);
  playerPhysics.speed = EaseToward(playerPhysics.speed, playerPhysics.targetSpeed, rate);
  model.visible = follow.current > kHideModelWithin;
  camera.position = pivot + back * follow.current;
  camera.referencePosition = pivot + back * follow.desired;
}

void Player::UpdateGadget() {
  GadgetEnt* gadget = CurrentGadget();
  if (!gadget) return;
  gadget->Send(kOnUpdate);
  gadget->model.visible = info.targeting;
}

void Player::Animate() {
  const WalkPace pace = ChooseWalkPace(platform::Vec3Length(playerPhysics.move), playerPhysics.speed);
  model.SetAnimation(pace.animation);
  model.animationSpeed = pace.speed;
}

void Player::CarryItem() {
  const Vector3 above = physical.GetPosition() + Vector3{0, 0, kCarriedItemHeight};
  if (ParticleEmitter* sparks = info.carriedItemEffect.Get()) {
    sparks->mapIndex = static_cast<int32_t>(mapIndex.mapIndex);
    sparks->origin = above;
  }
  if (Entity* item = info.carriedItemModel.Get()) {
    if (auto* itemPhysical = item->Find<PhysicalComp>()) itemPhysical->SetPosition(above);
  }
}

void Player::ChangeMoveSpeed(bool up) {
  if (up)
    playerPhysics.speed = std::min(playerPhysics.speed + kSpeedStep, playerPhysics.maxSpeed);
  else
    playerPhysics.speed = std::max(playerPhysics.speed - kSpeedStep, kSlowest);
}

void Player::SetTargetSpeed(float speed) {
  if (!info.inBox) playerPhysics.targetSpeed = speed;
}

void Player::OnModelDraw() {
  model.SetOutfit(info.outfit);
}

// ---- Actions ----

void Player::SetActivePlayer(bool active) {
  if (active) {
    if (Graphics* graphics = services_.engine.GetGraphics()) graphics->SetActiveCamera(&camera);
  }
  info.userControlled = active ? 1 : 0;
}

void Player::EnterTeleporter() {
  Entity* teleporter = info.teleporter.Get();
  if (!teleporter) return;
  if (auto* door = dynamic_cast<TeleportDoor*>(teleporter)) services_.PlaySound2D(door->GetTeleportSound());
  if (Graphics* graphics = services_.engine.GetGraphics()) graphics->StartTransition();
  // By id: the thief may be gone by the time the teleporter moves it.
  services_.engine.GetMessageQueue()->Post(teleporter, kTeleport, kTeleportDelay, GetId());
}

void Player::GuardTouch(Entity* guard) {
  if (!guard) return;
  auto* guardAi = guard->Find<AIComponent>();
  if (!guardAi || guardAi->kind != "guard" || guardAi->noBust) return;
  auto* guardPhysical = guard->Find<PhysicalComp>();
  if (guardPhysical && guardPhysical->frozen) return;
  if (this != services_.UserThief()) {
    DoBust();
  } else if (!services_.IsRoundOver()) {
    services_.logic.ReportBusted();
    services_.PlaySound2D("busted");
  }
}

void Player::ReturnCarriedItem() {
  ItemRecord* record = info.DropCarriedItem(*services_.engine.GetEntityManager());
  if (record) services_.logic.RespawnItem(*record);
}

void Player::DoBust() {
  ReturnCarriedItem();
  services_.logic.MovePlayerToStart(*this);
  ai.OnBusted();
}

void Player::Fire() {
  if (services_.IsRoundOver()) return;
  if (GadgetEnt* gadget = CurrentGadget()) gadget->Send(kFire);
}

void Player::FireAt(const Vector3& point) {
  GadgetEnt* gadget = CurrentGadget();
  if (!gadget) return;
  gadget->gadget.aimRotation = platform::QuaternionIdentity();
  gadget->gadget.aimDirection = platform::Vec3Normalize(point - physical.GetPosition());
  gadget->Send(kFire);
}

void Player::TargetOrFire() {
  GadgetEnt* gadget = CurrentGadget();
  if (!gadget) return;
  const GadgetBase* behavior = gadget->gadget.behavior;
  if (info.targeting || !behavior || !behavior->canTarget) {
    Fire();
    return;
  }
  info.boxTimer = kBoxTimerWhenAiming;
  info.targeting = 1;
  WriteVariable(*services_.engine.GetVariableTable(), kFollowDistanceVariable, 0.0f);
  playerPhysics.maxSpeed = kAimSpeedCap;
  if (playerPhysics.speed > kAimSpeedCap) {
    playerPhysics.savedSpeed = playerPhysics.speed;
    playerPhysics.speed = kAimSpeedCap;
  }
}

void Player::Untarget() {
  WriteVariable(*services_.engine.GetVariableTable(), kFollowDistanceVariable, kFollowDistance);
  if (!info.targeting) return;
  info.targeting = 0;
  playerPhysics.maxSpeed = kSpeedCap;
  playerPhysics.speed = playerPhysics.savedSpeed;
}

void Player::GetGadget(Entity* entity) {
  auto* gadget = dynamic_cast<GadgetEnt*>(entity);
  if (!gadget) return;
  if (gadgets.empty()) gadget->model.visible = 1;
  gadget->Send(kAssignPlayer, this);
  gadgets.emplace_back(gadget);
}

void Player::ShowGadget(int32_t index, bool visible) {
  if (GadgetEnt* gadget = GadgetAt(index)) gadget->model.visible = visible ? 1 : 0;
}

void Player::SelectGadget(int32_t index, bool forward) {
  ShowGadget(currentGadget, false);
  currentGadget = index;
  ShowGadget(currentGadget, true);
  Graphics* graphics = services_.engine.GetGraphics();
  if (!graphics || !graphics->GetAnimationList()) return;
  RefreshHudGadgetModels();
  GadgetSwitchAnimation* animation = graphics->GetAnimationList()->AddGadgetSwitch();
  animation->reverse = forward ? 0 : 1;
  animation->Start();
}

void Player::ScrollGadget(bool forward, bool playSound) {
  const int32_t count = GadgetCount();
  // Every step counts, also while the last switch is still on show: a quick turn of the wheel
  // by two notches lands two gadgets on, and the HUD's newest switch takes over from the last.
  if (count == 0) return;
  SelectGadget(forward ? (currentGadget + 1) % count : (currentGadget + count - 1) % count, forward);
  info.switchingGadget = 1;
  if (playSound) services_.PlaySound2D("switch gadget");
  if (currentGadget == gadget::kBox) Untarget();
}

void Player::SwitchGadget(int index) {
  if (index < 0 || index >= GadgetCount()) return;
  SelectGadget(index, true);
}

void Player::Score(int amount) {
  Graphics* graphics = services_.engine.GetGraphics();
  if (IsUserControlled() && graphics && graphics->GetAnimationList()) {
    // Credited when the HUD's count-up ends.
    graphics->GetAnimationList()->AddMoneyGain(amount);
  } else {
    AddMoney(static_cast<float>(amount));
  }
}
