#include "graphics/ModelComp.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "engine/Engine.h"
#include "entity/Entity.h"
#include "graphics/GameView.h"
#include "graphics/Graphics.h"
#include "graphics/ModelRecord.h"
#include "graphics/ModelScene.h"
#include "physics/PhysicalComp.h"
#include "platform/core/Random.h"
#include "physics/BoundingData.h"

namespace {

platform::Vector3 Add(const platform::Vector3& a, const platform::Vector3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }

}  // namespace

platform::Quaternion NormalisedMeshRotation(const platform::Quaternion& rotation) {
  const platform::Quaternion q = platform::QuaternionNormalize(rotation);
  const bool finite = std::isfinite(q.x) && std::isfinite(q.y) && std::isfinite(q.z) && std::isfinite(q.w);
  if (!finite || platform::QuaternionLengthSq(q) == 0.0f) return platform::QuaternionIdentity();
  return q;
}

ModelComp::ModelComp() {
  Graphics* graphics = Engine::Get()->GetGraphics();
  if (graphics && graphics->GetEffectManager()) effect_ = graphics->GetEffectManager()->Get("CelShader");
}

ModelComp::~ModelComp() {
  ReleaseModel();
  if (Graphics* graphics = Engine::Get()->GetGraphics()) graphics->RemoveModel(this);
}

void ModelComp::ReleaseModel() {
  controller_.reset();
  if (!model_) return;
  Graphics* graphics = Engine::Get()->GetGraphics();
  if (graphics && graphics->GetModelManager()) graphics->GetModelManager()->Release(model_);
  model_ = nullptr;
}

void ModelComp::Activate() {
  if (modelName.empty()) {
    ReleaseModel();
  } else {
    Load(modelName);
  }
  if (Graphics* graphics = Engine::Get()->GetGraphics()) graphics->AddModel(this);
  currentAnimation_ = 0;
  PlaceAtOwner();
}

void ModelComp::Load(const std::string& name) {
  ReleaseModel();
  Graphics* graphics = Engine::Get()->GetGraphics();
  ModelManager* models = graphics ? graphics->GetModelManager() : nullptr;
  if (!models) return;
  model_ = models->GetOrLoad(name);
  if (!model_) return;
  if (model_->IsAnimated()) {
    controller_ = model_->CloneController();
    controller_->SetAnimationSet(0);
    currentAnimation_ = 0;
    // Each user starts at its own point of the animation, so crowds do not move in step.
    model_->Animate(*controller_, platform::Random() % 100);
  }
  if (const MeshInfo* info = model_->meshInfo) {
    meshRotation = NormalisedMeshRotation(info->Rotation);
    pivotOffset = info->PivotOffset;
    positionOffset = info->PositionOffset;
    scale = info->Scale;
    if (owner) {
      if (auto* bounds = owner->Find<BoundingData>()) {
        bounds->halfSizeX = info->BoundingBoxSize.x * 0.5f;
        bounds->halfSizeY = info->BoundingBoxSize.y * 0.5f;
        bounds->halfSizeZ = info->BoundingBoxSize.z * 0.5f;
        bounds->radius = info->BoundingSphereRadius;
        bounds->changed = 1;
      }
    }
  }
}

void ModelComp::SetAnimation(uint32_t index) {
  if (!model_ || !controller_) return;
  if (index >= model_->GetAnimationSetCapacity() || index == currentAnimation_) return;
  currentAnimation_ = index;
  controller_->SetAnimationSet(index);
}

void ModelComp::WearOutfits() {
  if (model_) model_->textureSwap = true;
}

// A negative number shows the model's own textures, as an index past the list does.
void ModelComp::SetOutfit(int32_t outfit) {
  if (model_) model_->textureSwapIndex = outfit < 0 ? SIZE_MAX : static_cast<size_t>(outfit);
}

void ModelComp::SetEffect(const std::string& name) {
  Graphics* graphics = Engine::Get()->GetGraphics();
  effect_ = graphics && graphics->GetEffectManager() ? graphics->GetEffectManager()->Get(name) : nullptr;
}

PhysicalComp* ModelComp::OwnerPhysical() const {
  return owner ? owner->Find<PhysicalComp>() : nullptr;
}

void ModelComp::PlaceAtOwner() {
  if (PhysicalComp* physical = OwnerPhysical()) {
    position = physical->GetPosition();
    orientation = physical->GetOrientation();
  }
  UpdateWorldMatrix();
}

void ModelComp::UpdateWorldMatrix() {
  using namespace platform;
  worldMatrix = MatrixTranslation(-pivotOffset.x, -pivotOffset.y, -pivotOffset.z) *
                MatrixRotationQuaternion(meshRotation) * MatrixRotationQuaternion(orientation) *
                MatrixScaling(scale, scale, scale) * MatrixTranslation(Add(position, positionOffset));
  const std::optional<Matrix> inverse = MatrixInverse(worldMatrix);
  inverseWorldTranspose = MatrixTranspose(inverse ? *inverse : MatrixIdentity());
}

int32_t ModelComp::FindFrame(const std::string& name) const { return model_ ? model_->FindFrame(name) : -1; }

float ModelComp::GetShadowSize() const {
  return model_ && model_->meshInfo ? static_cast<float>(model_->meshInfo->ShadowSize) : 0.0f;
}

platform::Vector4 ModelComp::GetWorldBoundingSphere() const {
  if (!model_) return {position.x, position.y, position.z, 0};
  const auto& sphere = model_->GetBoundingSphere();
  const platform::Vector3 centre =
      platform::Vec3TransformCoord({sphere.centre.x, sphere.centre.y, sphere.centre.z}, worldMatrix);
  return {centre.x, centre.y, centre.z, sphere.radius};
}

void ModelComp::Animate(PhysicalComp* physical) {
  if (!controller_) return;
  Engine* engine = Engine::Get();
  const bool frozen = physical && physical->frozen;
  const Graphics* graphics = engine->GetGraphics();
  const GameView* game = graphics ? graphics->GetGameView() : nullptr;
  const bool flyThrough = game && game->IsFlyThroughRunning();
  const double seconds = frozen || flyThrough ? 0.0 : engine->GetTimer()->GetDelta() * animationSpeed;
  model_->Animate(*controller_, seconds);
}

void ModelComp::Draw() {
  if (!model_) return;
  Engine* engine = Engine::Get();
  Graphics* graphics = engine->GetGraphics();
  if (!graphics || !graphics->GetDevice()) return;
  PhysicalComp* physical = OwnerPhysical();
  const MeshInfo* info = model_->meshInfo;
  if (physical && (turning || (graphics->IsTurntable() && GetShadowSize() != 0.0f))) {
    const double t = engine->GetTimer()->GetTime();
    physical->SetDirection({static_cast<float>(std::cos(2 * t)), static_cast<float>(std::sin(2 * t)), 0});
  }
  PlaceAtOwner();
  const platform::Vector4 sphere = GetWorldBoundingSphere();
  const platform::Vector3 box = info ? info->BoundingBoxSize : platform::Vector3{10, 10, 10};
  if (!graphics->GetFrustum().TestBox(position.x, position.y, position.z, box.x, box.y, box.z)) return;
  graphics->CountModel();
  const GameView* game = graphics->GetGameView();
  if (owner && game && game->IsAgent(*owner)) SetEffect(physical && physical->frozen ? "Taser" : "CelShader");
  if (!effect_) return;
  Animate(physical);
  model_->UpdateSkinning();
  effect_->SetTransforms(worldMatrix, inverseWorldTranspose);

  platform::EffectProgram& program = effect_->Program();
  ModelScene& scene = graphics->GetModelScene();
  ModelLight light = fixedLight ? ModelLight{} : scene.World().GetLight(position);
  const float colour[4] = {light.colour.x * 1.5f, light.colour.y * 1.5f, light.colour.z * 1.5f, 1.0f};
  const float direction[3] = {light.direction.x, light.direction.y, light.direction.z};
  program.SetFloatArray("lightDir0", direction, 3);
  program.SetVector("lightColor0", colour);
  std::vector<SpotLightRecord>& spots = scene.NearLights();
  scene.World().GetSpotLights({sphere.x, sphere.y, sphere.z}, sphere.w, spots);
  program.SetFloat("outlineScale", info ? info->OutlineSize : 1.0f);
  SetSpotLights(program, spots);

  unsigned passes = 0;
  program.Begin(&passes);
  if (!outlinePasses) passes = std::min(passes, 1u);
  const ModelRecord::DrawContext context = MakeDrawContext(*graphics, *model_);
  for (unsigned pass = 0; pass < passes; ++pass) {
    program.BeginPass(pass);
    model_->Draw(context);
    program.EndPass();
  }
  program.End();
}
