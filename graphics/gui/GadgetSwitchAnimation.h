#pragma once
#include <cstdint>

#include "graphics/gui/HUDAnimation.h"

class GUIModelElement;

// The three gadget models of the HUD rotate through their places when the thief changes
// gadget: the one coming in grows into the middle, the other two wait at half size beside it.
// Reversed, the same paths run backwards.
class GadgetSwitchAnimation : public TimedHUDAnimation {
 public:
  // Set by the caller before Start.
  uint8_t reverse = 0;
  // The current screen's model elements in their places, chosen at Start; null when the
  // screen has fewer than three.
  GUIModelElement* slot0 = nullptr;
  GUIModelElement* slot1 = nullptr;
  GUIModelElement* slot2 = nullptr;

 protected:
  void OnStart() override;
  void Apply() override;
  void OnFinish() override;

 private:
  void Place(GUIModelElement* element, const char* x, const char* y, const char* scale);
};
