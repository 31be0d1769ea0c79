#include "physics/PhysicsSettings.h"

#include "engine/ConfigFile.h"

void LoadPhysicsSettings(PhysicsSettings& settings, const std::string& path) {
  LoadRecordFile(settings, path, "PhysicsLog", WhenMissing::WriteBack);
}

void SavePhysicsSettings(const PhysicsSettings& settings, const std::string& path) {
  SaveRecordFile(settings, path, "PhysicsLog");
}
