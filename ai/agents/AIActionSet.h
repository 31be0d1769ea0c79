#pragma once
#include <string>
#include <vector>

#include "ai/agents/AIAction.h"

// A named sequence of actions. The current set of an agent is its action queue (front = current
// action) and its name is the agent's state.
struct AIActionSet {
  // Set assignment: the name and the actions of `from`, the set and every action stamped with
  // `now` and marked not started.
  void Adopt(const AIActionSet& from, double now);
  // Drops every action and the name.
  void Clear();
  bool Empty() const { return actions.empty(); }

  std::string name;
  std::vector<AIAction> actions;
  double stamp = 0;
};
