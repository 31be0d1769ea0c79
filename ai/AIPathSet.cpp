#include "ai/AIPathSet.h"

void AIPathSet::AddPath(const AIRoute& route) {
  if (database.size() >= kMaxRoutes) database.resize(database.size() / 4);
  AIRoute entry;
  entry.name = route.name;
  entry.nodeIds = route.nodeIds;
  entry.mapIndex = route.mapIndex;
  entry.length = route.length;
  database.push_back(std::move(entry));
}
