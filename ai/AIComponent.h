#pragma once
#include <cstdint>
#include <string>

#include "entity/Component.h"
#include "sound/SoundEmitter.h"

// The AI's hold on a thief or a guard, found as "AIComponent": what kind of agent it is, the
// flags the game rules read and write, and the agent's own voice. The brains that drive the
// agents come with the AI; until then an agent stands where the game puts it.
class AIComponent : public Component {
 public:
  static constexpr char kComponentName[] = "AIComponent";
  void Activate() override {}

  // Whether the AI drives the owner (false for the user's thief).
  void Init(bool enabled) { this->enabled = enabled ? 1 : 0; }
  // The front action of the agent's queue carries that name. No agent has actions until the
  // AI drives them.
  bool IsCurrentAction(const std::string& /*name*/) const { return false; }

  std::string kind;  // "thief" or "guard"
  uint8_t enabled = 0;
  // A guard whose action forbids busting (the guard's own handling sets it).
  uint8_t noBust = 0;
  // Set by a taser hit; the agent's first step after its freeze ends clears it.
  uint8_t tased = 0;
  // The guard's flashlight stays on whatever it does.
  uint8_t lamp = 0;
  // The thief's box-timer tick.
  SoundEmitter voice;
};
