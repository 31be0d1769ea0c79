#pragma once
#include <cstdint>
#include <string>

#include "entity/EntityManager.h"
#include "entity/RecordFields.h"

// One step of an agent's behaviour, as the action file names it. The file gives the name,
// speed, time and priority; the rest belongs to the action once it is queued.
struct AIAction {
  std::string Name;
  // Seconds; 0 means the action has no duration of its own.
  float Time = 0.0f;
  // The character controller's speed while the action runs.
  float Speed = 0.0f;
  // The timer time at which the action was queued.
  float startStamp = 0.0f;
  int Priority = 0;
  // What the action is aimed at; the entity may be gone by the time it is used.
  EntityHandle target;
  // Set once the action has been carried out.
  uint8_t started = 0;
};

template <class Fields>
void VisitFields(Fields& f, AIAction& a) {
  f("Name", a.Name);
  f("Speed", a.Speed, RecordFields::AtLeast(0.0));
  f("Time", a.Time, RecordFields::AtLeast(0.0));
  f("Priority", a.Priority);
}
