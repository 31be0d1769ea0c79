#pragma once
#include "graphics/gui/HUDAnimation.h"

// A score of the thief under control: the amount flies from the middle of the screen into the
// money counter, shrinking and fading, and is added to the thief's money when it arrives.
class MoneyGainAnimation : public TimedHUDAnimation {
 public:
  explicit MoneyGainAnimation(float amount) : amount(amount) {}

  float amount = 0.0f;

 protected:
  void OnStart() override;
  void Apply() override;
  void OnFinish() override;
};
