#include "graphics/gui/HUDAnimation.h"

#include "engine/Engine.h"
#include "graphics/Camera.h"
#include "graphics/Graphics.h"
#include "graphics/gui/GadgetSwitchAnimation.h"
#include "graphics/gui/ItemValueAnimation.h"
#include "graphics/gui/MoneyGainAnimation.h"

void HUDAnimation::Start() {
  elapsed = 0.0f;
  active = true;
  OnStart();
}

void HUDAnimation::Stop() {
  active = false;
  OnFinish();
}

void TimedHUDAnimation::SetParameter(const std::string& name, float start, float end) {
  startValues[name] = start;
  currentValues[name] = start;
  endValues[name] = end;
}

float TimedHUDAnimation::Value(const std::string& name) const {
  auto it = currentValues.find(name);
  return it == currentValues.end() ? 0.0f : it->second;
}

void TimedHUDAnimation::Update() {
  if (!active) return;
  elapsed += static_cast<float>(Engine::Get()->GetTimer()->GetDelta());
  const bool finishing = elapsed >= duration;
  if (finishing) elapsed = duration;
  const float t = duration > 0.0f ? elapsed / duration : 1.0f;
  for (auto& [name, current] : currentValues) current = (1.0f - t) * startValues[name] + t * endValues[name];
  Apply();
  if (finishing) Stop();
}

namespace {

void SetFadeTime(float value) {
  EffectManager* effects = Engine::Get()->GetGraphics()->GetEffectManager();
  if (Effect* fade = effects ? effects->Get("FadeWhite") : nullptr) fade->Program().SetFloat("transitionTime", value);
}

}  // namespace

void FadeWhiteAnimation::OnStart() {
  duration = 1.0f;
  Engine::Get()->GetGraphics()->SetWhiteFade(true);
  SetFadeTime(1.0f);
}

void FadeWhiteAnimation::Apply() { SetFadeTime(1.0f - elapsed / duration); }

void BustedAnimation::Apply() {
  if (Camera* camera = Engine::Get()->GetGraphics()->GetActiveCamera())
    camera->Yaw(2.0f * static_cast<float>(Engine::Get()->GetTimer()->GetDelta()));
}

template <class Kind, class... Args>
Kind* HUDAnimationList::Append(Args... args) {
  auto animation = std::make_unique<Kind>(args...);
  Kind* added = animation.get();
  animations_.push_back(std::move(animation));
  return added;
}

void HUDAnimationList::AddBusted() { Append<BustedAnimation>()->Start(); }

void HUDAnimationList::AddFadeWhite() { Append<FadeWhiteAnimation>()->Start(); }
void HUDAnimationList::AddMoneyGain(int32_t amount) { Append<MoneyGainAnimation>(static_cast<float>(amount))->Start(); }

ItemValueAnimation* HUDAnimationList::AddItemValue() { return Append<ItemValueAnimation>(); }
GadgetSwitchAnimation* HUDAnimationList::AddGadgetSwitch() { return Append<GadgetSwitchAnimation>(); }

void HUDAnimationList::Update() {
  for (auto it = animations_.begin(); it != animations_.end();) {
    (*it)->Update();
    it = (*it)->IsActive() ? std::next(it) : animations_.erase(it);
  }
}
