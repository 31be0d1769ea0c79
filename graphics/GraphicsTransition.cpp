#include <cmath>

#include "engine/Engine.h"
#include "entity/EntityManager.h"
#include "graphics/Graphics.h"
#include "graphics/ModelEnt.h"
#include "graphics/Transition.h"

float TransitionTime(float elapsed, float total) {
  if (!(total > 0)) return 0.0f;
  const float s = 1.0f - 2.0f * std::fabs(elapsed / total - 0.5f);
  return std::fabs(1.0f - s) < 0.1f ? 1.0f : s;
}

// The emblem shows over the scene in the sorted pass wherever the camera is; whoever starts
// a transition shows it, and the transition's end hides it again.
void Graphics::CreateEmblem() {
  auto* emblem = dynamic_cast<ModelEnt*>(Engine::Get()->GetEntityManager()->Create("ModelEnt"));
  if (!emblem) return;
  emblem_ = EntityHandle(emblem);
  emblem->model.mapCulled = 0;
  emblem->model.sorted = 1;
  emblem->model.Load("emblem");
  emblem->model.SetEffect("Emblem");
  emblem->model.visible = 0;
}

ModelEnt* Graphics::GetEmblem() { return dynamic_cast<ModelEnt*>(emblem_.Get()); }

void Graphics::StartTransition() {
  transitionElapsed_ = 0;
  transitionRunning_ = true;
}

void Graphics::UpdateTransition() {
  if (!GetActiveCamera()) return;
  const float total = transition_.TotalTime;
  transitionElapsed_ = std::fmin(transitionElapsed_ + static_cast<float>(Engine::Get()->GetTimer()->GetDelta()), total);
  if (Effect* effect = effects_->Get("Transition")) {
    effect->Program().SetFloat("transitionTime", TransitionTime(transitionElapsed_, total));
  }
  if (total > 0 && transitionElapsed_ < total) return;
  transitionRunning_ = false;
  if (ModelEnt* emblem = GetEmblem()) emblem->model.visible = 0;
}
