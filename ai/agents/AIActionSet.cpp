#include "ai/agents/AIActionSet.h"

void AIActionSet::Adopt(const AIActionSet& from, double now) {
  name = from.name;
  actions = from.actions;
  stamp = now;
  for (AIAction& action : actions) {
    action.startStamp = now;
    action.started = 0;
  }
}

void AIActionSet::Clear() {
  name.clear();
  actions.clear();
}
