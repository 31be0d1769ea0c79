#pragma once
#include <string>
#include <vector>

#include "ai/AIAction.h"

// A named sequence of actions; the name of an agent's current set is its state.
struct AIActionSet {
  // Set assignment: the name and the actions of `from`, the set and every action stamped with
  // `now` and marked not started.
  void Adopt(const AIActionSet& from, float now) {
    name = from.name;
    actions = from.actions;
    stamp = now;
    for (AIAction& action : actions) {
      action.startStamp = now;
      action.started = 0;
    }
  }
  void Clear() {
    name.clear();
    actions.clear();
  }
  bool Empty() const { return actions.empty(); }

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
