#pragma once
#include <cstdint>

#include "entity/EntityClass.h"
#include "platform/math/Vector.h"

class AgentRoster;

// The AI's ear on the alarms: made once when the AI starts and kept for every game. A tripped
// laser's alarm shows on the user's screen when it went off in the user's map, sounds for the
// user only when the user's own thief broke the beam, and sends one guard of the thief's map
// to look.
class AIListControlEntity : public EntityClass<AIListControlEntity> {
 public:
  static constexpr char kClassName[] = "AIListControlEntity";
  static void Describe(ClassBuilder<AIListControlEntity>& c);
  void OnCreate() override;

  // The point where the beam was broken and the id of the thief who broke it.
  void AlarmHandler(platform::Vector3 point, uint32_t thiefId);

  // The agents of the AI that made it; null hears nothing.
  AgentRoster* roster = nullptr;
};
