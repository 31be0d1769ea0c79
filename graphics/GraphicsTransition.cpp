#include "graphics/GraphicsTransition.h"

#include <cmath>

#include "engine/ConfigFile.h"
#include "engine/Engine.h"
#include "graphics/EffectManager.h"
#include "graphics/ModelEnt.h"
#include "graphics/Transition.h"

float TransitionTime(float elapsed, float total) {
  if (!(total > 0)) return 0.0f;
  const float s = 1.0f - 2.0f * std::fabs(elapsed / total - 0.5f);
  return std::fabs(1.0f - s) < 0.1f ? 1.0f : s;
}

// The emblem shows over the scene in the sorted pass wherever the camera is; whoever starts
// a transition shows it, and the transition's end hides it again.
void GraphicsTransition::Init() {
  if (auto* emblem = dynamic_cast<ModelEnt*>(Engine::Get()->GetEntityManager()->Create("ModelEnt"))) {
    emblem_ = EntityHandle(emblem);
    emblem->model.mapCulled = 0;
    emblem->model.sorted = 1;
    emblem->model.Load("emblem");
    emblem->model.SetEffect("Emblem");
    emblem->model.visible = 0;
  }
  LoadRecordFile(info_, kTransitionPath, "GraphicsLog", WhenMissing::WriteBack);
}

void GraphicsTransition::Release() {
  if (Entity* emblem = emblem_.Get()) Engine::Get()->GetEntityManager()->QueueDelete(emblem);
}

ModelEnt* GraphicsTransition::GetEmblem() { return dynamic_cast<ModelEnt*>(emblem_.Get()); }

void GraphicsTransition::Start() {
  elapsed_ = 0;
  running_ = true;
}

void GraphicsTransition::Update(EffectManager& effects, bool cameraActive) {
  if (!cameraActive) return;
  const float total = info_.TotalTime;
  elapsed_ = std::fmin(elapsed_ + static_cast<float>(Engine::Get()->GetTimer()->GetDelta()), total);
  if (Effect* effect = effects.Get("Transition")) {
    effect->Program().SetFloat("transitionTime", TransitionTime(elapsed_, total));
  }
  if (total > 0 && elapsed_ < total) return;
  running_ = false;
  if (ModelEnt* emblem = GetEmblem()) emblem->model.visible = 0;
}
