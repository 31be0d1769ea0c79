#include "physics/InterpNodes.h"

#include "engine/ConfigFile.h"

void LoadInterpNodes(InterpNodeTable& table, const std::string& path) {
  table.clear();
  LoadRecordFile(table, path, "PhysicsLog", WhenMissing::Report);
}

void SaveInterpNodes(const InterpNodeTable& table, const std::string& path) {
  SaveRecordFile(table, path, "PhysicsLog");
}
