#pragma once
#include <string>
#include <vector>

#include "ai/AIAction.h"

// A named sequence of actions; the name of an agent's current set is its state.
struct AIActionSet {
  std::vector<AIAction> actions;
  std::string name;
  // The timer time at which the set was last assigned.
  float stamp = 0.0f;
};

template <class Fields>
void VisitFields(Fields& f, AIActionSet& s) {
  f("Name", s.name);
  f("Actions", s.actions);
}
