#include "graphics/gui/MoneyGainAnimation.h"

#include "engine/Engine.h"
#include "graphics/gui/HudDigits.h"
#include "graphics/gui/HudPlayer.h"
#include "graphics/gui/HudSeams.h"
#include "sound/Sound.h"

void MoneyGainAnimation::OnStart() {
  duration = 1.0f;
  SetParameter("x", 500.0f, 145.0f);
  SetParameter("y", 300.0f, 55.0f);
  SetParameter("scale", 1.5f, 0.8f);
  SetParameter("alpha", 1.0f, 0.1f);
  if (Sound* sound = Engine::Get()->GetSound()) sound->Play2D("money");
}

void MoneyGainAnimation::Apply() {
  DrawHudNumber(static_cast<int>(amount), static_cast<int>(Value("x")), static_cast<int>(Value("y")), Value("scale"),
                Value("alpha"));
}

// The thief is looked up now: one deleted while the number flew gets nothing.
void MoneyGainAnimation::OnFinish() {
  if (HudGadgetUser* thief = HudThief()) thief->AddMoney(amount);
}
