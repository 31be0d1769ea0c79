#pragma once
#include <cstdint>

#include "graphics/gui/HUDAnimation.h"

class GUIModelElement;

// One step of the end-of-round tally: the stolen item's model rises and shrinks away on its
// screen, then its worth is credited to its thief's score.
class ItemValueAnimation : public TimedHUDAnimation {
 public:
  // Set by the caller before Start. The element belongs to a GUI screen, which outlives every
  // animation.
  GUIModelElement* modelElement = nullptr;
  int32_t worth = 0;
  int32_t ownerId = 0;

 protected:
  void OnStart() override;
  void Apply() override;
  void OnFinish() override;
};
