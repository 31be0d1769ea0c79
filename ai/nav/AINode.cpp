#include "ai/nav/AINode.h"

#include <algorithm>

bool AINode::Links(int32_t other) const { return std::find(neighbours.begin(), neighbours.end(), other) != neighbours.end(); }

bool AINode::AddLink(int32_t other) {
  if (Links(other)) return false;
  neighbours.push_back(other);
  return true;
}
