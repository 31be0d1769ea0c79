#include "graphics/ModelScene.h"

#include <algorithm>
#include <cmath>

#include "engine/Engine.h"
#include "engine/VariableTable.h"
#include "entity/Entity.h"
#include "graphics/Camera.h"
#include "graphics/Graphics.h"
#include "graphics/GraphicsMessages.h"
#include "graphics/ModelComp.h"
#include "physics/ClusterInfo.h"
#include "physics/MapIndexComp.h"
#include "physics/PhysicalComp.h"
#include "platform/render/RenderDevice.h"
#include "platform/render/VertexLayout.h"

namespace {

platform::Vector3 OwnerPosition(const ModelComp& model) {
  const PhysicalComp* physical = model.owner ? model.owner->Find<PhysicalComp>() : nullptr;
  return physical ? physical->GetPosition() : model.position;
}

// The blob shadow: a unit square in the x-y plane, as a fan.
struct ShadowVertex {
  float x, y, z, u, v;
};
constexpr ShadowVertex kShadowQuad[4] = {
    {-0.5f, -0.5f, 0, 0, 0}, {-0.5f, 0.5f, 0, 0, 1}, {0.5f, 0.5f, 0, 1, 1}, {0.5f, -0.5f, 0, 1, 0}};

void SetVector3(platform::EffectProgram& program, const char* name, const platform::Vector3& v) {
  const float values[3] = {v.x, v.y, v.z};
  program.SetFloatArray(name, values, 3);
}

}  // namespace

void SetSpotLights(platform::EffectProgram& program, const std::vector<SpotLightRecord>& spots) {
  static const char* const kTechniques[] = {"CelShade0Lights", "CelShade1Light", "CelShade2Lights"};
  program.SetTechnique(kTechniques[std::min<size_t>(spots.size(), 2)]);
  if (spots.size() >= 1) {
    SetVector3(program, "lightPos1", spots[0].position);
    SetVector3(program, "lightDir1", spots[0].direction);
  }
  if (spots.size() >= 2) {
    SetVector3(program, "lightPos2", spots[1].position);
    SetVector3(program, "lightDir2", spots[1].direction);
  }
}

std::optional<platform::Matrix> ShadowWorld(const platform::Vector3& position, float shadowSize,
                                            float floorDistance, const platform::Vector3& floorNormal) {
  if (shadowSize <= 0) return std::nullopt;
  const float height = floorDistance - 0.25f;
  const float scale = shadowSize - 0.05f * height;
  if (!(scale > 0) || !std::isfinite(height)) return std::nullopt;
  const platform::Quaternion tilt = platform::QuaternionMultiply(
      platform::QuaternionRotationAxis({0, 1, 0}, std::asin(std::clamp(floorNormal.x, -1.0f, 1.0f))),
      platform::QuaternionRotationAxis({1, 0, 0}, -std::asin(std::clamp(floorNormal.y, -1.0f, 1.0f))));
  return platform::MatrixAffineTransformation(scale, {0, 0, 0}, tilt,
                                              {position.x, position.y, position.z - height});
}

ModelRecord::DrawContext MakeDrawContext(Graphics& graphics, const ModelRecord& model) {
  ModelRecord::DrawContext context;
  context.device = graphics.GetDevice();
  EffectManager* effects = graphics.GetEffectManager();
  context.cel = effects ? effects->Get("CelShader") : nullptr;
  context.emblem = effects ? effects->Get("Emblem") : nullptr;
  context.placeholder = graphics.GetPlaceholderTexture();
  const std::string swap =
      model.meshInfo ? graphics.GetTextureSwap(model.meshInfo->Name, model.textureSwapIndex) : "none";
  if (model.textureSwap && swap != "none") context.swap = graphics.GetTextureManager()->GetOrLoad(swap);
  return context;
}

void ModelScene::RemoveModel(ModelComp* model) {
  models_.erase(std::remove(models_.begin(), models_.end(), model), models_.end());
  deferred_.erase(std::remove(deferred_.begin(), deferred_.end(), model), deferred_.end());
}

void ModelScene::SetLights(Graphics& graphics, float delta) {
  bool alarm = false;
  ConsoleBinding::Get("AlarmOn", alarm);
  graphics.SetCelShaderLighting(alarm ? alarmPulse_.Step(delta, graphics.GetAmbient(), graphics.GetConfig().AlarmColor)
                                      : graphics.GetAmbient());
}

void ModelScene::SetUpEffects(Graphics& graphics, const platform::Matrix& view, float delta) {
  EffectManager* effects = graphics.GetEffectManager();
  if (!effects) return;
  const float flash = taserFlash_.Step(delta);
  const platform::Matrix identity = platform::MatrixIdentity();
  for (const char* name : {"CelShader", "Flashlight", "Shadow", "Taser", "Emblem", "Laser"}) {
    Effect* effect = effects->Get(name);
    if (!effect) continue;
    effect->SetViewProjection(view, graphics.GetProjection());
    // Their vertices are in world coordinates already.
    if (effect == effects->Get("CelShader") || effect == effects->Get("Laser")) effect->SetTransforms(identity, identity);
  }
  if (Effect* taser = effects->Get("Taser")) taser->Program().SetFloat("flash", flash);
}

void ModelScene::DrawScene(Graphics& graphics) {
  platform::RenderDevice* device = graphics.GetDevice();
  if (!camera_ || !device) return;
  const float delta = static_cast<float>(Engine::Get()->GetTimer()->GetDelta());
  SetLights(graphics, delta);
  const platform::Vector3 eye = camera_->position;
  const platform::Vector3 at{eye.x + camera_->direction.x, eye.y + camera_->direction.y, eye.z + camera_->direction.z};
  const platform::Matrix view = platform::MatrixLookAtLH(eye, at, camera_->up);
  device->SetTransform(platform::TransformKind::View, view.Data());
  platform::Matrix viewProjection = view * graphics.GetProjection();
  graphics.GetFrustum().Build(viewProjection);
  bool wireframe = false;
  ConsoleBinding::Get("Wireframe", wireframe);
  device->SetFillMode(wireframe ? platform::FillMode::Wireframe : platform::FillMode::Solid);
  device->SetAlphaBlend(false);
  graphics.DrawMap(view, camera_->referencePosition, camera_->direction);
  SetUpEffects(graphics, view, delta);
  graphics.DrawDebugShapes();
  device->SetAlphaBlend(true);
  DrawShadows(graphics);
  device->SetAlphaBlend(false);
  if (graphics.ShowsModels()) DrawModels();
  device->SetAlphaBlend(true);
  if (graphics.ShowsModels()) DrawDeferredModels();
  if (graphics.ShowsModels()) lasers_.Draw(graphics, *camera_);
}

void ModelScene::DrawModels() {
  deferred_.clear();
  const uint32_t currentMap = world_->GetCurrentMapIndex();
  // A model may create or destroy models from its messages: walk over a copy, kept between
  // frames so that its space is reused.
  drawList_.assign(models_.begin(), models_.end());
  for (ModelComp* m : drawList_) {
    if (std::find(models_.begin(), models_.end(), m) == models_.end()) continue;
    m->notDrawnThisFrame = 1;
    if (!m->visible) continue;
    if (m->mapCulled) {
      const MapIndexComp* mapIndex = m->owner ? m->owner->Find<MapIndexComp>() : nullptr;
      if (mapIndex && mapIndex->mapIndex != currentMap) continue;
      const ClusterInfo* cluster = m->owner ? m->owner->Find<ClusterInfo>() : nullptr;
      if (cluster && !world_->IsClusterVisible(cluster->cluster)) continue;
    }
    if (m->sorted) {
      deferred_.push_back(m);
      continue;
    }
    if (m->owner) m->owner->Send(kOnModelDraw);
    m->Draw();
    m->notDrawnThisFrame = 0;
    if (m->owner) m->owner->Send(kOnModelUpdate);
  }
}

void ModelScene::DrawDeferredModels() {
  if (!camera_) return;
  const platform::Vector3 eye = camera_->position;
  auto distance = [&](const ModelComp* m) {
    const platform::Vector3 p = OwnerPosition(*m);
    const platform::Vector3 d{p.x - eye.x, p.y - eye.y, p.z - eye.z};
    return platform::Vec3LengthSq(d);
  };
  std::sort(deferred_.begin(), deferred_.end(),
            [&](const ModelComp* a, const ModelComp* b) { return distance(a) > distance(b); });
  for (ModelComp* m : deferred_) {
    if (m->visible) m->Draw();
  }
}

void ModelScene::DrawShadows(Graphics& graphics) {
  Effect* shadow = graphics.GetEffectManager() ? graphics.GetEffectManager()->Get("Shadow") : nullptr;
  platform::RenderDevice* device = graphics.GetDevice();
  if (!shadow || !device) return;
  platform::EffectProgram& program = shadow->Program();
  program.SetTexture("shadowTex", graphics.GetShadowTexture());
  program.SetTechnique("Shadow");
  unsigned passes = 0;
  program.Begin(&passes);
  program.BeginPass(0);
  for (ModelComp* m : models_) {
    if (!m->visible) continue;
    const float size = m->GetShadowSize();
    if (size <= 0) continue;
    const platform::Vector3 p = OwnerPosition(*m);
    float distance = 0;
    platform::Vector3 normal{0, 0, 1};
    if (!world_->CastDown(p, &distance, &normal)) continue;
    const std::optional<platform::Matrix> world = ShadowWorld(p, size, distance, normal);
    if (!world) continue;
    shadow->SetTransforms(*world, *world);
    program.CommitChanges();
    device->DrawPrimitiveUP(platform::PrimitiveType::TriangleFan, platform::VertexLayout::PositionTexture(),
                            kShadowQuad, 2);
  }
  program.EndPass();
  program.End();
}
